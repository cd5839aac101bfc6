// The window in the user's language: captions, accessible names and grid
// headers translated, what files take kept in English, and the language
// chosen from --language or the locale as main() chooses it.

#include "support/QtTestApp.h"

#include "app/sheets/settings/SettingsTab.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "l10n/Language.h"
#include "settings/SettingsCatalogue.h"
#include "support/ModalAnswer.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace l10n = gsm::l10n;

// The window as main() builds it after reading `arguments`.
std::unique_ptr<MainWindow> WindowFor(const QStringList& arguments) {
    l10n::UseLanguage(l10n::ChosenLanguage(QStringList{QStringLiteral("gsmgate")} + arguments));
    return std::make_unique<MainWindow>();
}

QString ButtonText(const MainWindow& form, const char* name) {
    form.Controls(); // every sheet built
    const auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
    return button ? button->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString Header(const StringGrid& grid, int col) {
    return grid.model()->headerData(col, Qt::Horizontal).toString();
}

class Language : public ::testing::Test {
protected:
    void TearDown() override { l10n::UseLanguage(QStringLiteral("en")); }
};

struct Captions {
    const char* language;
    // btn21, btn8, btn1, btn19, btn20
    const char* readSettings;
    const char* open;
    const char* logIn;
    const char* readData;
    const char* filter;
    const char* serialHeader;
    const char* settingsGridName;
};

TEST_F(Language, ButtonsHeadersAndAccessibleNamesFollowTheLanguageGiven) {
    const Captions table[] = {
        {"zh_CN", "读取设置", "打开", "登录", "读取数据", "筛选", "序号", "基本设置"},
        {"de", "Auslesen", "Öffnen", "Anmelden", "Daten lesen", "Filtern", "Nr.",
         "Grundeinstellungen"},
        {"en", "Read Settings", "Open", "Log in", "Read data", "Filter", "Serial",
         "Basic settings"},
    };
    for (const Captions& c : table) {
        SCOPED_TRACE(c.language);
        const auto form =
            WindowFor({QStringLiteral("--language"), QString::fromLatin1(c.language)});
        form->show();
        EXPECT_EQ(ButtonText(*form, "btn21"), QString::fromUtf8(c.readSettings));
        EXPECT_EQ(ButtonText(*form, "btn8"), QString::fromUtf8(c.open));
        EXPECT_EQ(ButtonText(*form, "btn1"), QString::fromUtf8(c.logIn));
        EXPECT_EQ(ButtonText(*form, "btn19"), QString::fromUtf8(c.readData));
        EXPECT_EQ(ButtonText(*form, "btn20"), QString::fromUtf8(c.filter));
        EXPECT_EQ(Header(*form->Controls().historyGrid, 0), QString::fromUtf8(c.serialHeader));
        EXPECT_EQ(form->Controls().settingsGrid->accessibleName(),
                  QString::fromUtf8(c.settingsGridName));
        // The grids keep the English texts that files and the device take.
        EXPECT_EQ(form->Controls().historyGrid->Cells(0, 0), "Serial");
        EXPECT_EQ(form->Controls().settingsGrid->Cells(0, 1), "1.Password");
        EXPECT_EQ(form->Controls().settingsGrid->Cells(0, 0), "Items");
    }
}

TEST_F(Language, TranslatedCaptionsAreShownWhileCellsAndListValuesStayEnglish) {
    const auto form = WindowFor({QStringLiteral("--language"), QStringLiteral("de")});
    const StringGrid& settings = *form->Controls().settingsGrid;
    const QModelIndex caption = settings.model()->index(1, 0);
    EXPECT_EQ(caption.data(Qt::DisplayRole).toString(), "1.Passwort");
    EXPECT_EQ(caption.data(Qt::EditRole).toString(), "1.Password");
    // The value column is the user's own text: shown as it is.
    EXPECT_EQ(settings.model()->index(5, 1).data().toString(), "Unauthorized door opened");
    EXPECT_EQ(Header(settings, 1), "Wert");

    // A list shows its items translated; the cell under it takes the English
    // item, which a profile file stores.
    QComboBox& arm = *form->Controls().armAfterPowerOnList;
    ASSERT_EQ(arm.count(), 2);
    EXPECT_EQ(arm.itemText(1), "1:Scharf");
    EXPECT_EQ(arm.itemData(1).toString(), "1:Arm");
}

TEST_F(Language, ARefusalComposedWithAValueShowsInTheLanguageWithItsValueAndCaption) {
    const struct {
        const char* language;
        const char* box;
    } table[] = {
        {"en", "'1a2' is not a valid integer value\nSetting: 7.Auto Arm after authorized number "
               "call-in(0~999)"},
        {"de", "„1a2“ ist keine gültige ganze Zahl\nEinstellung: 7.Autom. scharf nach Anruf "
               "berecht. Nr.(0~999)"},
        {"zh_CN", "“1a2”不是有效的整数值\n设置项：7.授权号码来电后自动布防(0~999)"},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.language);
        const auto form =
            WindowFor({QStringLiteral("--language"), QString::fromLatin1(c.language)});
        form->Controls().settingsGrid->SetCells(1, gsm::settings::row::kAutoArm, "1a2");
        gsm::test::ModalAnswer answers;
        answers.Queue(gsm::test::ModalAnswer::Ok());
        form->Settings().onSaveSettingsClicked();
        ASSERT_EQ(answers.SeenBoxes().size(), 1u);
        EXPECT_EQ(answers.SeenBoxes()[0].text, QString::fromUtf8(c.box));
    }
}

TEST_F(Language, ChineseShowsTheSetupStepsAsSelectableTextUnderThePicture) {
    for (const char* language : {"zh_CN", "de", "en"}) {
        SCOPED_TRACE(language);
        const auto form = WindowFor({QStringLiteral("--language"), QString::fromLatin1(language)});
        form->show();
        form->Controls().pageControl->setCurrentIndex(3);
        QCoreApplication::processEvents();
        const auto* steps = form->findChild<QPlainTextEdit*>(QStringLiteral("mmo1"));
        ASSERT_NE(steps, nullptr);
        const bool chinese = QString::fromLatin1(language).startsWith(QLatin1String("zh"));
        EXPECT_EQ(steps->isVisibleTo(form.get()), chinese);
        if (!chinese)
            continue;
        EXPECT_TRUE(steps->toPlainText().startsWith(QString::fromUtf8("系统配置步骤说明")));
        EXPECT_TRUE(steps->isReadOnly());
        EXPECT_TRUE(steps->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        EXPECT_FALSE(steps->accessibleName().isEmpty());
        // Under the picture, not over it.
        const QWidget* picture = form->findChild<QWidget*>(QStringLiteral("img4"));
        ASSERT_NE(picture, nullptr);
        EXPECT_GE(steps->geometry().top(), picture->geometry().top() + 436);
    }
}

struct Environment {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* chosen;
};

TEST_F(Language, ComesFromTheOptionElseTheLocaleVariablesInOrder) {
    const Environment table[] = {
        {"zh_CN:en_US", "", "de_DE.UTF-8", "en_US.UTF-8", "zh_CN"},
        {"", "", "de_DE.UTF-8", "zh_CN.UTF-8", "de_DE"},
        {"", "de_AT.UTF-8@euro", "zh_CN.UTF-8", "", "de_AT"},
        {"", "", "", "zh_CN.GB18030", "zh_CN"},
        {"", "", "C", "de_DE.UTF-8", "en"},
        {"", "", "", "", "en"},
    };
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i)
        saved[i] = qgetenv(names[i]);
    for (const Environment& e : table) {
        const char* values[] = {e.language, e.lcAll, e.lcMessages, e.lang};
        for (int i = 0; i < 4; ++i)
            qputenv(names[i], values[i]);
        EXPECT_EQ(l10n::LanguageFromEnvironment(), QString::fromLatin1(e.chosen))
            << e.language << " " << e.lcAll << " " << e.lcMessages << " " << e.lang;
        // The option wins over any of them.
        EXPECT_EQ(l10n::ChosenLanguage({"gsmgate", "--language=en"}), "en");
    }
    for (int i = 0; i < 4; ++i)
        qputenv(names[i], saved[i]);

    EXPECT_TRUE(l10n::UseLanguage(QStringLiteral("de_DE")));
    EXPECT_EQ(l10n::LanguageInUse(), "de");
    EXPECT_TRUE(l10n::UseLanguage(QStringLiteral("zh_CN.UTF-8")));
    EXPECT_EQ(l10n::LanguageInUse(), "zh_CN");
    // A language without a translation speaks English, as does "en".
    EXPECT_FALSE(l10n::UseLanguage(QStringLiteral("fr_FR")));
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Read Settings"), "Read Settings");
    EXPECT_FALSE(l10n::UseLanguage(QStringLiteral("en")));
    EXPECT_EQ(l10n::LanguageInUse(), "en");
}

} // namespace
