#include "XlsxWriter.h"

#include "files/FileWrite.h"
#include "files/WriteFailure.h"

#include <QFile>

#include <xlsxwriter.h>

#include <cerrno>
#include <memory>

namespace gsm {

namespace {

constexpr uint8_t kTextFormatId = 49; // "@"

// Closing the workbook is what writes it; a workbook abandoned part-way is
// freed without being written.
struct WorkbookFree {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookFree>;

QString Failure(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

lxw_error WriteCells(lxw_worksheet* worksheet, lxw_format* textFormat, const Sheet& sheet) {
    for (const auto& [column, width] : sheet.ColumnWidths()) {
        const lxw_col_t index = lxw_col_t(column - 1);
        const lxw_error error = worksheet_set_column(worksheet, index, index, width, nullptr);
        if (error != LXW_NO_ERROR)
            return error;
    }
    for (const auto& [at, cell] : sheet.AllCells()) {
        const lxw_row_t row = lxw_row_t(at.first - 1);
        const lxw_col_t column = lxw_col_t(at.second - 1);
        lxw_format* format = cell.textFormat ? textFormat : nullptr;
        const QByteArray text = cell.shown.toUtf8();
        const lxw_error error =
            text.isEmpty()
                ? (format ? worksheet_write_blank(worksheet, row, column, format) : LXW_NO_ERROR)
                : worksheet_write_string(worksheet, row, column, text.constData(), format);
        if (error != LXW_NO_ERROR)
            return error;
    }
    return LXW_NO_ERROR;
}

QString WriteWorkbookFile(const Sheet& sheet, const QString& fileName) {
    lxw_workbook_options options{};
    QByteArray name = QFile::encodeName(fileName);
    WorkbookHandle workbook(workbook_new_opt(name.constData(), &options));
    if (!workbook)
        return QStringLiteral("the workbook cannot be made in memory");
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook.get(), nullptr);
    lxw_format* textFormat = workbook_add_format(workbook.get());
    if (!worksheet || !textFormat)
        return QStringLiteral("the workbook cannot be made in memory");
    format_set_num_format_index(textFormat, kTextFormatId);
    const lxw_error written = WriteCells(worksheet, textFormat, sheet);
    if (written != LXW_NO_ERROR)
        return Failure(written);
    // The library says only that the file could not be written; the system's
    // reason (a full disk) is left in errno.
    errno = 0;
    const lxw_error closed = workbook_close(workbook.release());
    if (closed == LXW_NO_ERROR)
        return {};
    const int reason = errno;
    return reason != 0 ? Failure(closed) + QStringLiteral(": ") + files::WriteFailureText(reason)
                       : Failure(closed);
}

} // namespace

QString WriteXlsx(const Sheet& sheet, const QString& path) {
    QString failure;
    const bool written = files::WriteWholeFileWith(
        path, [&sheet](int, const QString& part) { return WriteWorkbookFile(sheet, part); },
        &failure);
    return written ? QString() : failure;
}

} // namespace gsm
