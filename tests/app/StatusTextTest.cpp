// Life of the status text and the progress bar. The form is built with a
// short status life; the rules are checked by the order in which timers
// fire, never by how long something took.

#include "support/QtTestApp.h"

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StatusDisplay.h"
#include "app/window/MainWindow.h"

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
        form = std::make_unique<MainWindow>(nullptr, kLifeMs);
        form->show();
        // Let the clearing that follows start-up pass.
        ASSERT_TRUE(RunUntil([this] { return !form->Controls().statusClearTimer->isActive(); }));
    }
    QString Status() const { return form->Controls().statusPanels->PanelText(kStatusPanelText); }
    void Show(const QString& text) { form->Status().ShowStatus(text); }

    std::unique_ptr<MainWindow> form;
};

TEST(StatusStartup, FirstClearingHidesTheProgressBarShownAtStart) {
    MainWindow form(nullptr, kLifeMs);
    form.show();
    EXPECT_TRUE(form.Controls().statusClearTimer->isActive());
    EXPECT_TRUE(form.Controls().progressBar->isVisible());
    ASSERT_TRUE(RunUntil([&] { return !form.Controls().statusClearTimer->isActive(); }));
    EXPECT_FALSE(form.Controls().progressBar->isVisible());
}

TEST_F(StatusText, LaterTextIsClearedWhenTheFirstCountdownEnds) {
    Show("first");
    ASSERT_TRUE(form->Controls().statusClearTimer->isActive());
    Pump(kLifeMs / 3);
    Show("second");
    EXPECT_EQ(Status(), "second");
    // The countdown of "first" ends at most two thirds of a life after
    // "second"; a restarted one would end a full life after it.
    Probe beforeFullLife(kLifeMs * 5 / 6, *form->Controls().statusPanels);
    ASSERT_TRUE(RunUntil([&] { return beforeFullLife.fired; }));
    EXPECT_EQ(beforeFullLife.seen, "");
    EXPECT_FALSE(form->Controls().statusClearTimer->isActive());
}

TEST_F(StatusText, TextWrittenAfterClearingLivesAFullInterval) {
    Show("old");
    ASSERT_TRUE(RunUntil([this] { return !form->Controls().statusClearTimer->isActive(); }));
    EXPECT_EQ(Status(), "");

    Show("new");
    Probe halfway(kLifeMs / 2, *form->Controls().statusPanels);
    ASSERT_TRUE(RunUntil([&] { return halfway.fired; }));
    EXPECT_EQ(halfway.seen, "new");
    ASSERT_TRUE(RunUntil([this] { return Status().isEmpty(); }));
    EXPECT_FALSE(form->Controls().statusClearTimer->isActive());
}

TEST_F(StatusText, EmptyTextClearsAndStillStartsTheCountdown) {
    Show("text");
    form->Controls().statusClearTimer->stop();
    Show("");
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(form->Controls().statusClearTimer->isActive());
}

TEST_F(StatusText, ClearingTickHidesTheProgressBar) {
    form->Progress().SetProgress(40);
    Show("working");
    ASSERT_TRUE(form->Controls().progressBar->isVisible());
    ASSERT_TRUE(RunUntil([this] { return !form->Controls().statusClearTimer->isActive(); }));
    EXPECT_FALSE(form->Controls().progressBar->isVisible());
    EXPECT_EQ(form->Controls().progressBar->value(), 100);
}

class Progress : public ::testing::Test {
protected:
    void SetUp() override {
        bar.setRange(0, 100);
        bar.show();
    }
    QProgressBar bar;
    ProgressDisplay progress{bar};
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
