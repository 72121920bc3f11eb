// The simulated board's System, Microphone and WiFi forms: shown with every item, selections
// answered, the knob on the selected item, the equaliser, the serial number and the antenna kept,
// and each form closed by its Close.
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"
#include "sim/support/Reports.h"

#include <gtest/gtest.h>
#include <set>

using namespace talix;
using namespace talix::sim;
using namespace talix::simtest;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr uint32_t kSystem = 2, kMike = 4, kWiFi = 10;
constexpr uint32_t kForced = 1u << 15;

struct Board {
    Board() : model(7, Endpoint{"127.0.0.1", 55556}, true) {
        model.greeted();
        drainReports(model);
    }
    std::vector<Group> send(const Bytes& record) {
        model.handleCommand(record);
        return drainReports(model);
    }
    // The form's show button, then what the board reported.
    std::vector<Group> show(uint8_t showCode) { return send({1, 13, showCode}); }
    uint32_t value(const std::vector<Group>& g, uint8_t item, uint32_t form) {
        const auto v = lastValue(g, item, form);
        EXPECT_TRUE(v.has_value()) << "item " << int(item) << " form " << form;
        return v && !v->empty() ? (*v)[0] : 0xDEADBEEF;
    }
    ReceiverModel model;
};

std::set<int> itemsOf(const std::vector<Group>& groups, uint32_t form) {
    std::set<int> items;
    for (const Group& g : groups)
        if (g.id() == paramId(board::ParamId::ValueWord) && g.form() == form)
            items.insert(g.item());
    return items;
}

struct ShownCase {
    const char* name;
    uint8_t showCode;
    uint32_t form;
    int firstItem;
    int items;
    std::optional<uint32_t> selection; // the field the board highlights
    Bytes close;
};

const ShownCase kForms[] = {
    {"System", 12, kSystem, 0, 18, fieldSelectWord(0, kSystem), {1, 11, 2}},
    {"Microphone", 14, kMike, 1, 15, fieldSelectWord(1, kMike), {1, 10, 4}},
    {"WiFi", 17, kWiFi, 1, 3, std::nullopt, {1, 10, 10}},
};

class ShownForm : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownForm, IsFilledWithEveryItemAndClosedByItsClose) {
    const ShownCase& c = GetParam();
    Board b;
    const std::vector<Group> shown = b.show(c.showCode);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().word, showFormWord(c.form));
    std::set<int> expected;
    for (int item = c.firstItem; item < c.firstItem + c.items; ++item)
        expected.insert(item);
    EXPECT_EQ(itemsOf(shown, c.form), expected);
    EXPECT_EQ(c.selection.has_value(), c.selection && hasWord(shown, *c.selection));
    const std::vector<Group> closed = b.send(c.close);
    EXPECT_TRUE(hasWord(closed, closeFormWord(c.form)));
}

INSTANTIATE_TEST_SUITE_P(Table, ShownForm, ::testing::ValuesIn(kForms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimSettingsForms, TheEqualiserIsShownForcedAndKeepsTheBarsPositions) {
    Board b;
    std::vector<Group> shown = b.show(14);
    for (uint8_t item = 10; item <= 15; ++item) {
        const uint32_t v = b.value(shown, item, kMike);
        EXPECT_TRUE(v & kForced) << int(item);
        EXPECT_LE(v & ~kForced, 63u);
    }
    const std::vector<Group> set = b.send({245, 12, 4, 50, 0, 0, 0});
    EXPECT_EQ(b.value(set, 12, kMike), 50u); // not forced: the bar the user holds stays
    b.send({1, 10, 4});
    shown = b.show(14);
    EXPECT_EQ(b.value(shown, 12, kMike), 50u | kForced);
    EXPECT_EQ(b.value(b.send({245, 13, 4, 200, 0, 0, 0}), 13, kMike), 63u);
}

TEST(SimSettingsForms, TheKnobChangesTheSelectedSystemItem) {
    Board b;
    b.show(12);
    EXPECT_TRUE(hasWord(b.send({192, 17, 2, 0}), fieldSelectWord(17, kSystem)));
    const std::vector<Group> stepped = b.send({2, 4}); // two steps
    EXPECT_EQ(b.value(stepped, 17, kSystem), 1236u);
    b.send({192, 14, 2, 0});
    const std::vector<Group> baud = b.send({2, 2});
    EXPECT_EQ(b.value(baud, 14, kSystem) >> 26 & 3, 1u);
    EXPECT_EQ(b.value(baud, 13, kSystem) >> 26 & 3, 1u); // the same bits
    // A Tag the form lacks is not answered.
    EXPECT_TRUE(b.send({192, 18, 2, 0}).empty());
}

TEST(SimSettingsForms, TheSerialNumberRecordIsKept) {
    Board b;
    b.send({23, 179, 0xD8, 0x04});
    EXPECT_EQ(b.model.state().accessorySerial, 1240);
    EXPECT_EQ(b.value(b.show(12), 17, kSystem), 1240u);
}

TEST(SimSettingsForms, TheMicrophoneKnobStepsTheSelectedItem) {
    Board b;
    b.show(14);
    EXPECT_TRUE(hasWord(b.send({192, 2, 4, 0}), fieldSelectWord(2, kMike)));
    EXPECT_EQ(b.value(b.send({2, 0xFE}), 2, kMike) & 0xFF, 79u);
    // The bars are no fields.
    EXPECT_TRUE(b.send({192, 12, 4, 0}).empty());
}

TEST(SimSettingsForms, TheWiFiChannelChangesOnlyOnceTheUserSelectedIt) {
    Board b;
    const std::vector<Group> shown = b.show(17);
    const uint32_t channel = b.value(shown, 1, kWiFi);
    EXPECT_TRUE(b.send({2, 2}).empty());
    EXPECT_TRUE(b.send({192, 2, 10, 0}).empty()); // the SSID cannot be selected
    EXPECT_TRUE(hasWord(b.send({192, 1, 10, 0}), fieldSelectWord(1, kWiFi)));
    EXPECT_EQ(b.value(b.send({2, 2}), 1, kWiFi), channel + 1);
    // "Set + Close" closes the form.
    EXPECT_TRUE(hasWord(b.send({8}), closeFormWord(kWiFi)));
}

TEST(SimSettingsForms, TheAntennaSwitchReachesTheStatusWord) {
    Board b;
    for (const uint8_t external : {1, 0}) {
        b.send({23, 178, external});
        FrameContent content;
        b.model.tick();
        b.model.renderFrame(content);
        EXPECT_EQ(content.status >> 31, external);
    }
}

} // namespace
