#pragma once
// The window with its file dialogs answered by the test: each dialog is
// recorded and given the next queued path (or cancelled when none is queued).
// Message boxes are answered through ModalAnswer.

#include "support/QtTestApp.h"

#include "../spreadsheet/WorkbookTool.h"
#include "app/files/ExchangeFiles.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QFile>
#include <QJsonObject>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace gsm::test {

class ExchangeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>();
        form->EnableDeviceOperations();
        m_previousChooser = InstallFileChooser([this](QWidget*, const FileRequest& request) {
            requests.push_back(request);
            if (m_paths.empty())
                return QString();
            const QString path = m_paths.front();
            m_paths.pop_front();
            return path;
        });
    }
    void TearDown() override { InstallFileChooser(m_previousChooser); }

    // The next dialog picks `path`.
    void Pick(const QString& path) { m_paths.push_back(path); }
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // Clicks `button`; `boxes` message boxes are expected and answered with OK.
    void Click(QPushButton* button, int boxes = 0) {
        const std::size_t seen = answers.SeenBoxes().size();
        for (int i = 0; i < boxes; ++i)
            answers.Queue(ModalAnswer::Ok());
        button->click();
        QApplication::processEvents();
        EXPECT_EQ(answers.Pending(), 0u);
        EXPECT_EQ(answers.SeenBoxes().size() - seen, std::size_t(boxes));
    }
    QString LastMessage() const {
        return answers.SeenBoxes().empty() ? QString() : answers.SeenBoxes().back().text;
    }

    // Writes `texts` into `row` from column 1 on.
    static void FillRow(StringGrid& grid, int row, const QStringList& texts) {
        for (int c = 0; c < texts.size(); ++c)
            grid.SetCells(c + 1, row, texts[c]);
    }
    // Every cell, row by row, headers and serials included.
    static std::vector<QString> AllCells(const StringGrid& grid) {
        std::vector<QString> cells;
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColCount(); ++c)
                cells.push_back(grid.Cells(c, r));
        return cells;
    }

    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // {"A1": {"value", "type", "format"}, ...} of the first sheet, read by openpyxl.
    static QJsonObject CellsOf(const QJsonObject& dump) {
        return dump.value(QStringLiteral("cells")).toObject();
    }

    std::unique_ptr<MainWindow> form;
    std::vector<FileRequest> requests;
    ModalAnswer answers;

private:
    QTemporaryDir m_dir;
    std::deque<QString> m_paths;
    FileChooser m_previousChooser;
};

// "A1" for column 1, row 1.
inline QString CellName(int col, int row) {
    return QString(QChar(u'A' + col - 1)) + QString::number(row);
}

} // namespace gsm::test
