#pragma once

#include "sectionbase.h"

// HR: a grooved horizontal line, centred in its own section.
class TRuleSection : public TSectionBase {
public:
    explicit TRuleSection(TViewDocument *owner) : TSectionBase(owner) {}
    const char *KindName() const override { return "Rule"; }

    // From the HR attributes: SIZE (numeric), WIDTH (numeric and whether it ended in "%").
    void SetAttributes(int size, int width, bool widthPercent);
    int Thickness() const { return m_thickness; }

    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
    void Draw(TDrawContext &dc) const override;
    void UpdateSpacing() override;
    TMinMax MinMaxWidth() override;
    void Move(int dx, int dy) override;

    // Laid out, in document coordinates.
    int RuleX() const { return m_x; }
    int RuleY() const { return m_ruleY; }
    int RuleWidth() const { return m_width; }

private:
    int m_thickness = 2;
    int m_givenWidth = 0; // 0: not given
    bool m_percent = false;
    int m_x = 0;
    int m_width = 0;
    int m_ruleY = 0;
};
