// Life of the status text and the progress bar. The form is built with a
// short status life; the rules are checked by the order in which timers
// fire, never by how long something took.

#include "QtTestApp.h"

#include "Controllers.h"
#include "StatusBar.h"
#include "Unit1.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr int kLifeMs = 300;

bool RunUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void Pump(int ms) {
    RunUntil([] { return false; }, ms);
}

// Notes the status text when a precise timer started now fires after `ms`.
struct Probe {
    QString seen;
    bool fired = false;
    QTimer timer;
    Probe(int ms, const StatusBar& bar) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this, &bar] {
            seen = bar.PanelText(kStatusPanelText);
            fired = true;
        });
        timer.start(ms);
    }
};

class StatusText : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(nullptr, kLifeMs);
        form->show();
        // Let the clearing that follows start-up pass.
        ASSERT_TRUE(RunUntil([this] { return !form->Ui().tmr2->isActive(); }));
    }
    QString Status() const { return form->Ui().stat1->PanelText(kStatusPanelText); }
    void Show(const QString& text) { form->statusbar_ctrl->ShowStatus(text); }

    std::unique_ptr<TForm1> form;
};

TEST(StatusStartup, FirstClearingHidesTheProgressBarShownAtStart) {
    TForm1 form(nullptr, kLifeMs);
    form.show();
    EXPECT_TRUE(form.Ui().tmr2->isActive());
    EXPECT_TRUE(form.Ui().pb1->isVisible());
    ASSERT_TRUE(RunUntil([&] { return !form.Ui().tmr2->isActive(); }));
    EXPECT_FALSE(form.Ui().pb1->isVisible());
}

TEST_F(StatusText, LaterTextIsClearedWhenTheFirstCountdownEnds) {
    Show("first");
    ASSERT_TRUE(form->Ui().tmr2->isActive());
    Pump(kLifeMs / 3);
    Show("second");
    EXPECT_EQ(Status(), "second");
    // The countdown of "first" ends at most two thirds of a life after
    // "second"; a restarted one would end a full life after it.
    Probe beforeFullLife(kLifeMs * 5 / 6, *form->Ui().stat1);
    ASSERT_TRUE(RunUntil([&] { return beforeFullLife.fired; }));
    EXPECT_EQ(beforeFullLife.seen, "");
    EXPECT_FALSE(form->Ui().tmr2->isActive());
}

TEST_F(StatusText, TextWrittenAfterClearingLivesAFullInterval) {
    Show("old");
    ASSERT_TRUE(RunUntil([this] { return !form->Ui().tmr2->isActive(); }));
    EXPECT_EQ(Status(), "");

    Show("new");
    Probe halfway(kLifeMs / 2, *form->Ui().stat1);
    ASSERT_TRUE(RunUntil([&] { return halfway.fired; }));
    EXPECT_EQ(halfway.seen, "new");
    ASSERT_TRUE(RunUntil([this] { return Status().isEmpty(); }));
    EXPECT_FALSE(form->Ui().tmr2->isActive());
}

TEST_F(StatusText, EmptyTextClearsAndStillStartsTheCountdown) {
    Show("text");
    form->Ui().tmr2->stop();
    Show("");
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(form->Ui().tmr2->isActive());
}

TEST_F(StatusText, ClearingTickHidesTheProgressBar) {
    form->progressbar_ctrl->SetProgress(40);
    Show("working");
    ASSERT_TRUE(form->Ui().pb1->isVisible());
    ASSERT_TRUE(RunUntil([this] { return !form->Ui().tmr2->isActive(); }));
    EXPECT_FALSE(form->Ui().pb1->isVisible());
    EXPECT_EQ(form->Ui().pb1->value(), 100);
}

class Progress : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setRange(0, 100);
        bar.show();
    }
    QProgressBar bar;
    Tprogressbar_ctrl progress{bar};
};

TEST_F(Progress, ZeroLeavesVisibilityAlone) {
    bar.hide();
    progress.SetProgress(0);
    EXPECT_FALSE(bar.isVisible());
    bar.show();
    progress.SetProgress(0);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(Progress, AnyStepShowsAndHundredHides) {
    bar.hide();
    progress.SetProgress(1);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.value(), 1);
    progress.SetProgress(99);
    EXPECT_TRUE(bar.isVisible());
    progress.SetProgress(100);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(bar.value(), 100);
}

TEST_F(Progress, AboveHundredShowsAFullBar) {
    bar.hide();
    progress.SetProgress(101);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.value(), 100);
    progress.SetProgress(65535);
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.value(), 100);
}

} // namespace
