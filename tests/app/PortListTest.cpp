// The port list as the user meets it: refreshed when it opens, USB ports
// first with their devices in tooltips, and the port, window place and
// dialog folders remembered between runs.

#include "support/QtTestApp.h"

#include "app/files/ExchangeFiles.h"
#include "app/widgets/PortBox.h"
#include "app/window/MainWindow.h"
#include "app/window/RememberedPlaces.h"
#include "serial/PortList.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <pty.h>
#include <unistd.h>

namespace {

TEST(PortBox, NewListKeepsTheTypedTextAndTellsEachPortsDevice) {
    PortBox box;
    box.setEditable(true);
    box.SetPorts({{"/dev/ttyUSB0", "CP2102 USB to UART Bridge Controller", "10c4:ea60"},
                  {"/dev/ttyS0", "", ""}});
    box.setEditText("/dev/pts/7");
    box.SetPorts({{"/dev/ttyUSB1", "FT232R USB UART", "0403:6001"}, {"/dev/ttyS0", "", ""}});
    EXPECT_EQ(box.currentText(), "/dev/pts/7");
    EXPECT_EQ(box.itemData(0, Qt::ToolTipRole).toString(), "FT232R USB UART, USB 0403:6001");
    EXPECT_FALSE(box.itemData(1, Qt::ToolTipRole).isValid());
    // A typed text that names a listed port selects it.
    box.setEditText("/dev/ttyS0");
    box.SetPorts({{"/dev/ttyS0", "", ""}, {"/dev/ttyS1", "", ""}});
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST(RememberedPlaces, TestsNeverWriteTheUsersSettings) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    EXPECT_TRUE(RememberedPlaces().FileName().startsWith(config));
    EXPECT_FALSE(config.startsWith(QDir::homePath() + "/.config"));
}

TEST(RememberedPlaces, DialogsOpenWhereTheyLastChoseAFile) {
    QTemporaryDir chosen;
    RememberedPlaces remembered;
    const FileRequest request{FileRequest::Mode::Save, "/configuration", {}, {}, "profileExport"};
    remembered.SetFolder("profileExport", {});
    EXPECT_EQ(DialogStartFolder(request, remembered), "/configuration");
    RememberDialogFolder(request, chosen.filePath("basicinf_R.xlsx"), remembered);
    EXPECT_EQ(DialogStartFolder(request, remembered), chosen.path());
    // Each dialog has its own folder.
    FileRequest other = request;
    other.dialog = "numberListImport";
    remembered.SetFolder("numberListImport", {});
    EXPECT_EQ(DialogStartFolder(other, remembered), "/configuration");
    // A folder that is gone is not offered.
    remembered.SetFolder("profileExport", chosen.filePath("gone"));
    EXPECT_EQ(DialogStartFolder(request, remembered), "/configuration");
}

// Simulated devices announce themselves in a runtime folder of the test's own.
class PortBoxList : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        ASSERT_TRUE(QDir().mkpath(::PortList::AnnouncementDir()));
    }
    void TearDown() override { qputenv("XDG_RUNTIME_DIR", m_previousRuntime); }

    static QString Announce(const QString& name, const QString& target) {
        const QString link = ::PortList::AnnouncementDir() + "/" + name;
        QFile::link(target, link);
        return link;
    }

private:
    QTemporaryDir m_runtime;
    QByteArray m_previousRuntime;
};

TEST_F(PortBoxList, PortAnnouncedAfterStartIsListedWhenTheDropDownOpens) {
    MainWindow form;
    form.show();
    form.Controls().portBox->setEditText("/dev/typed-by-hand");
    const QString link = Announce("late-device", "/dev/null");
    EXPECT_EQ(form.Controls().portBox->findText(link), -1);
    form.Controls().portBox->showPopup();
    EXPECT_GE(form.Controls().portBox->findText(link), 0);
    EXPECT_EQ(form.Controls().portBox->currentText(), "/dev/typed-by-hand");
    form.Controls().portBox->hidePopup();
}

TEST_F(PortBoxList, LastOpenedPortAndWindowPlaceAreTakenUpAgain) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    const QString device = Announce("b-device", QString::fromLocal8Bit(name));
    {
        MainWindow form;
        form.show();
        ASSERT_NE(form.Controls().portBox->currentText(), device);
        form.Controls().portBox->setEditText(device);
        form.Controls().portButton->click();
        ASSERT_EQ(form.Controls().portButton->text(), "Close");
        form.move(40, 30);
        form.close();
    }
    MainWindow again;
    EXPECT_EQ(again.Controls().portBox->currentText(), device);
    EXPECT_EQ(again.pos(), QPoint(40, 30));
    ::close(master);
    ::close(slave);
}

// The system's list comes once the window is up: until then the box shows
// the port opened last. A last port no longer listed then gives way to the
// first listed one, as it always has; what the user typed meanwhile stays.
TEST_F(PortBoxList, LastPortShowsUntilTheListIsInAndTypingMeanwhileStays) {
    const QString listed = Announce("a-device", "/dev/null");
    RememberedPlaces().SetLastPort("/dev/gone-since");
    {
        MainWindow form;
        auto* box = form.findChild<PortBox*>("cbb9");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->currentText(), "/dev/gone-since");
        EXPECT_EQ(box->count(), 0);
        form.Controls(); // the rest of the window, the list with it
        EXPECT_GE(box->findText(listed), 0);
        EXPECT_EQ(box->currentText(), box->itemText(0));
    }
    MainWindow form;
    auto* box = form.findChild<PortBox*>("cbb9");
    ASSERT_NE(box, nullptr);
    box->setEditText("/dev/typed-by-hand");
    form.Controls();
    EXPECT_GE(box->findText(listed), 0);
    EXPECT_EQ(box->currentText(), "/dev/typed-by-hand");
}

} // namespace
