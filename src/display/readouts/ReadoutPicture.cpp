#include "display/readouts/ReadoutPicture.h"

#include "display/readouts/KnobMark.h"
#include "display/readouts/ReadoutFormat.h"
#include "display/readouts/ScaleLabels.h"

namespace talix::display {

namespace {

constexpr double kBoxInset = 2.0;
constexpr double kTextRightInset = 4.0;
constexpr uint32_t kNotchAutomatic = 1u << 28;

void addText(ReadoutPicture& p, const QRectF& box, QString text, bool centred = false,
             bool wrap = false) {
    if (!text.isEmpty())
        p.texts.push_back({box, std::move(text), centred, wrap});
}

void addUnitReadout(ReadoutPicture& p, const QRectF& textBox, const UnitReadout& r) {
    addText(p, textBox, r.unit, false, true);
    addText(p, textBox.adjusted(0, 0, -r.unitWidth, 0), r.number);
}

void addScale(ReadoutPicture& p, const std::vector<ScaleLabel>& labels, bool centred) {
    for (const ScaleLabel& l : labels)
        addText(p, l.box, l.text, centred);
}

FrequencyScaleInputs scaleInputs(const ReadoutState& s) {
    return {s.spectrumLeftFreq, s.tunedFreq, s.freqAux, s.binHz, s.settingsWord, s.gridOffset};
}

void composeText(ReadoutPicture& p, const FieldRequest& r, const QRectF& textBox,
                 const QRectF& fullBox, const ReadoutState& s, const QLocale& locale) {
    const bool automatic = agcAutomatic(s.receiverFlags, s.gainCtrlIndex);
    switch (r.field) {
    case Field::EFreq1:
        return addText(p, textBox, frequencyText(s.tunedFreq, r.mark, locale));
    case Field::EDemod:
        return addText(p, textBox, modeName(s.modeIndex), true);
    case Field::EBW:
        return addText(p, textBox, bandwidthText(s.bandwidth, locale));
    case Field::EShift:
        return addText(p, textBox, shiftText(s.shift, locale));
    case Field::ENotchW:
        return addText(p, textBox, notchWidthText(s.notchWidth, locale));
    case Field::ENotchP:
        return addText(
            p, textBox,
            notchPositionText(s.settingsWord & kNotchAutomatic, s.autoNotch, s.notchPos, locale));
    case Field::EAGCL:
        return addText(p, textBox, agcLimitText(s.agcLimit, s.receiverFlags, locale));
    case Field::EThresh:
        return addText(p, textBox, thresholdText(s.threshold, s.receiverFlags, locale));
    case Field::EDNR:
        return addText(p, textBox, dnrText(s.dnr, locale));
    case Field::EReso:
        return addUnitReadout(p, textBox, binWidthText(s.binHz, locale));
    case Field::EResoD:
        return addUnitReadout(p, textBox, divisionWidthText(s.binHz, locale));
    case Field::ELTop:
        return addText(p, textBox, topLevelText(s.topLevel, s.receiverFlags));
    case Field::ELBot:
        return addText(p, textBox, bottomLevelText(s.topLevel, s.dbPerDiv, s.receiverFlags));
    case Field::ESpan:
        return addText(p, textBox, spanText(s.dbPerDiv));
    case Field::ERefresh:
        return addText(p, textBox, refreshText(s.refreshTime, s.spectrumMode, locale));
    case Field::ETime:
        return addText(p, textBox, timePerDivisionText(s.wfTimeUnit, s.settingsWord, locale));
    case Field::ESigB:
        return addText(p, textBox, percentText(s.insideBright));
    case Field::ESpecB:
        return addText(p, textBox, percentText(s.outsideBright));
    case Field::EGridB:
        return addText(p, textBox, percentText(s.gridBright));
    case Field::ENBP:
        return addText(p, textBox, nbLevelText(s.nbLevel));
    case Field::ENBD:
        return addText(p, textBox, nbDurationText(s.nbDuration, r.mark, locale));
    case Field::EHold:
        return addText(p, textBox, agcHoldText(s.agcHold, automatic, r.mark, locale));
    case Field::EAttack:
        return addText(p, textBox, agcAttackText(s.agcAttack, automatic, r.mark, locale));
    case Field::EFreq2:
        return addText(p, textBox, frequencyText(s.txFreq, r.mark, locale));
    case Field::EStepsRX:
        return addText(p, textBox, stepText(s.tuneStep, r.mark, locale));
    case Field::Panel4: {
        const FrequencyScale scale = waterfallFrequencyScale(textBox, scaleInputs(s), locale);
        p.regularWeight = scale.regularWeight;
        return addScale(p, scale.labels, true);
    }
    case Field::Panel6: {
        const FrequencyScale scale = spectrumFrequencyScale(textBox, scaleInputs(s), locale);
        p.regularWeight = scale.regularWeight;
        return addScale(p, scale.labels, true);
    }
    case Field::Panel5:
        return addScale(p, levelScale(fullBox, s.topLevel, s.dbPerDiv, s.receiverFlags), false);
    case Field::Panel7:
        return addScale(p, timeScale(fullBox, s.wfTimeUnit, s.settingsWord, locale), false);
    case Field::S_Pitch: {
        const QPointF origin = r.controlRect.topLeft();
        p.knob =
            KnobPicture{kKnobRect.translated(-origin),
                        knobMarkRect(kKnobRect, kKnobMarkSize, s.knobAngle).translated(-origin)};
        return;
    }
    case Field::FrequencyEntry:
    case Field::E_File:
        return; // Tags without a readout
    }
}

} // namespace

ReadoutPicture composeReadout(const FieldRequest& r, const ReadoutState& s, const QLocale& locale) {
    ReadoutPicture p;
    const QRectF local(QPointF(0, 0), r.controlRect.size());
    p.box = local.adjusted(kBoxInset, kBoxInset, -kBoxInset, -kBoxInset);

    const ReadoutPlace* place = readoutPlace(int(r.field));
    QRgb colour = r.controlColour;
    if (r.field == Field::EDemod) {
        colour = modeColour(s.modeIndex);
        p.newControlColour = colour;
    }
    if (place && place->kind != ReadoutKind::Edit) {
        p.ownFont = false;
        colour = kYellow;
    }
    p.textColour = colour;
    if (r.selected) {
        p.filled = true;
        p.fillColour = colour;
        p.textColour = kBlack;
    }

    const QRectF textBox = p.box.adjusted(0, 0, -kTextRightInset, 0);
    composeText(p, r, textBox, p.box, s, locale);
    return p;
}

} // namespace talix::display
