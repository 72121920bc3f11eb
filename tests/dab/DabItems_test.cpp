// The DAB list's items: scrolling, status and selection, names, rates, data services, signal,
// label, the selection frame and the slide zoom.
#include "dab/DabItems.h"
#include "dab/DabListState.h"
#include "dab/SlideZoom.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace talix::dab;

namespace {

// A count word and the data words.
std::vector<uint32_t> value(std::vector<uint32_t> data) {
    data.insert(data.begin(), uint32_t(data.size()));
    return data;
}
std::vector<uint32_t> textValue(const std::string& text, std::vector<uint32_t> before = {}) {
    std::vector<uint32_t> data = before;
    const size_t first = data.size();
    data.resize(first + text.size() / 4 + 1, 0);
    for (size_t i = 0; i < text.size(); ++i)
        data[first + i / 4] |= uint32_t(uint8_t(text[i])) << (8 * (i % 4));
    return value(data);
}
void scrollTo(DabListState& list, int top) {
    list.reset();
    for (int i = 0; i < top; ++i)
        applyDabItem(list, 0, value({0}));
}

} // namespace

TEST(DabItems, ScrollOneRowStaysWithinTheList) {
    const struct {
        int top;
        uint32_t w0;
        int after;
    } cases[] = {{0, 0, 1}, {246, 0, 247}, {247, 0, 247}, {0, 1, 0}, {5, 1, 4}, {5, 7, 4}};
    for (const auto& c : cases) {
        DabListState list;
        scrollTo(list, c.top);
        ASSERT_EQ(list.topIndex(), c.top);
        const DabUpdate u = applyDabItem(list, 0, value({c.w0}));
        EXPECT_EQ(list.topIndex(), c.after) << c.top << " " << c.w0;
        EXPECT_TRUE(u.listMoved);
    }
    DabListState list;
    EXPECT_FALSE(applyDabItem(list, 0, value({})).listMoved); // no data word: nothing
}

TEST(DabItems, StatusNamingAProgrammeSelectsItAndTheTopFollows) {
    const struct {
        std::string text;
        int top;
        int selected;
        int topAfter;
        bool failed;
    } cases[] = {
        {"Prog 11D  12", 0, 11, 3, false}, // programme 12 is index 11; top 0 becomes 3
        {"Prog 11D  6", 0, 5, 0, false},   // on screen: the top stays
        {"Prog 11D  2", 5, 1, 1, false},   // above the screen: the top follows up
        {"Prog 11D  256", 0, 255, 247, false},
        {"Prog 11D  300", 0, 0, 0, false}, // outside the list: nothing selected
        {"Search 5A", 0, 0, 0, false},     // not a programme: only the text
        {"Play 11D  x7", 0, 0, 0, true},   // "P" without a number: the walk fails
        {"P", 0, 0, 0, true},
    };
    for (const auto& c : cases) {
        DabListState list;
        scrollTo(list, c.top);
        const DabUpdate u = applyDabItem(list, 1, textValue(c.text));
        ASSERT_TRUE(u.status.has_value());
        EXPECT_EQ(u.status->toStdString(), c.text.substr(0, 14));
        EXPECT_EQ(list.selectedIndex(), c.selected) << c.text;
        EXPECT_EQ(list.topIndex(), c.topAfter) << c.text;
        EXPECT_EQ(u.failed, c.failed) << c.text;
    }
}

TEST(DabItems, ServiceNamesInsideTheListOnly) {
    DabListState list;
    DabUpdate u = applyDabItem(list, 2, textValue("Alpha Radio", {4}));
    ASSERT_TRUE(u.serviceName.has_value());
    EXPECT_EQ(u.serviceName->first, 4);
    EXPECT_EQ(u.serviceName->second, "Alpha Radio");
    EXPECT_FALSE(applyDabItem(list, 2, textValue("Too far", {300})).serviceName.has_value());
    EXPECT_FALSE(applyDabItem(list, 2, textValue("Edge", {256})).serviceName.has_value());
    // A name longer than 80 bytes is cut.
    u = applyDabItem(list, 2, textValue(std::string(100, 'N'), {0}));
    EXPECT_EQ(u.serviceName->second.size(), 80);
}

TEST(DabItems, RatesSignalLabelAndDataServices) {
    DabListState list;
    EXPECT_EQ(*applyDabItem(list, 3, textValue("48")).sampleRate, "48kSpls");
    EXPECT_EQ(*applyDabItem(list, 3, textValue("44100")).sampleRate, "441kSpls");
    EXPECT_EQ(*applyDabItem(list, 4, textValue("128")).bitRate, "128kBit");
    EXPECT_EQ(*applyDabItem(list, 5, value({73})).signal, 73);
    EXPECT_EQ(*applyDabItem(list, 5, value({0xFFFFFFFF})).signal, 100);
    EXPECT_EQ(*applyDabItem(list, 6, textValue("Now: News")).dynamicLabel, "Now: News");
    const struct {
        uint32_t w0;
        const char* mot1;
        const char* mot2;
    } cases[] = {{0x4A00, "Slide Show", "Journaline"},
                 {0x0009, "Unknown", "Slide Show"},
                 {0x0801, "BWS", "Push Radio"},
                 {0x0706, "DAB Java", "DMB"}};
    for (const auto& c : cases) {
        const DabUpdate u = applyDabItem(list, 7, value({c.w0}));
        EXPECT_EQ(*u.mot1, c.mot1) << std::hex << c.w0;
        EXPECT_EQ(*u.mot2, c.mot2) << std::hex << c.w0;
    }
    // Items 8 and above change nothing.
    const DabUpdate none = applyDabItem(list, 8, textValue("x"));
    EXPECT_FALSE(none.status || none.sampleRate || none.dynamicLabel || none.listMoved);
}

TEST(DabItems, TheCountWordBoundsTheData) {
    DabListState list;
    // The count says one word: the name's words beyond it are not read.
    std::vector<uint32_t> words = textValue("Alpha", {1});
    words[0] = 1;
    EXPECT_EQ(applyDabItem(list, 2, words).serviceName->second, "");
    // A count larger than the words given reads only what is there.
    words = textValue("48");
    words[0] = 1000;
    EXPECT_EQ(*applyDabItem(list, 3, words).sampleRate, "48kSpls");
}

TEST(DabListState, SelectionFrameOnScreenOnly) {
    DabListState list;
    EXPECT_EQ(list.frameY(), 8); // row 0: 2 above RCells' top
    list.select(5);
    EXPECT_EQ(list.frameY(), 5 * 76 + 8);
    list.select(9);
    EXPECT_FALSE(list.frameY().has_value());
    list.scrollRow(true);
    EXPECT_EQ(list.frameY(), 8 * 76 + 8);
    list.select(300); // outside the list: the selection stays
    EXPECT_EQ(list.selectedIndex(), 9);
}

TEST(SlideZoom, DoubleTapsSwitchBetweenOneAndTheZoom) {
    EXPECT_EQ(nextSlideScale(1.0), 1.54);
    EXPECT_EQ(nextSlideScale(nextSlideScale(1.0)), 1.0);
    EXPECT_EQ(nextSlideScale(2.0), 1.0);
}
