#include "ImportFixture.h"

#include <QChildEvent>
#include <QLabel>
#include <QProgressBar>

#include <span>

namespace {

// A status bar that notes what the progress shown in it says at each step.
class RecordingStatusBar final : public QStatusBar {
public:
    struct Step {
        QString caption;
        int value;
        int maximum;
    };
    std::vector<Step> m_steps;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (auto* bar = child->findChild<QProgressBar*>()) {
                const auto* caption = child->findChild<QLabel*>();
                connect(bar, &QProgressBar::valueChanged, this, [this, bar, caption](int value) {
                    m_steps.push_back(
                        {caption ? caption->text() : QString(), value, bar->maximum()});
                });
            }
        }
        return QStatusBar::event(event);
    }
};

class ParsingProgressTest : public ImportFixture {
protected:
    ParsingProgressTest() { m_document.SetStatusBar(&m_recording); }
    ~ParsingProgressTest() override { m_document.SetStatusBar(nullptr); }

    RecordingStatusBar m_recording;
};

TEST_F(ParsingProgressTest, CaptionAndStepsFollowTheBlock) {
    PorBlockWriter block;
    block.Append(MakeHeader(3003, 1000));
    for (LONG i = 0; i < 300; ++i)
        block.Append(MakeNamedLine("L", {0, i}, {1000, i}, "0"));
    block.Append(MakeEnd());
    const auto data = block.Data();
    ASSERT_EQ(Import("many.dxf", std::vector<BYTE>(data.begin(), data.end())), 1);

    // The plug-in's reading comes first, under its own caption.
    std::vector<RecordingStatusBar::Step> parsing;
    for (const RecordingStatusBar::Step& step : m_recording.m_steps)
        if (step.caption == QStringLiteral("解析中・・・"))
            parsing.push_back(step);
        else
            EXPECT_TRUE(parsing.empty()) << step.caption.toStdString();
    ASSERT_GE(parsing.size(), 50u);
    // One step per hundredth of the block, the first and the start.
    EXPECT_LE(parsing.size(), 102u);
    const int length = static_cast<int>(data.size());
    // The bar starts at 0, then moves forward only.
    EXPECT_EQ(parsing.front().value, 0);
    int previous = 0;
    for (const RecordingStatusBar::Step& step : std::span(parsing).subspan(1)) {
        EXPECT_EQ(step.maximum, length);
        EXPECT_GT(step.value, previous);
        EXPECT_LT(step.value, length);
        previous = step.value;
    }
    // The pane is free again afterwards.
    EXPECT_EQ(m_recording.findChild<QProgressBar*>(), nullptr);
    EXPECT_EQ(m_document.m_objects.GetCount(), 300);
}

} // namespace
