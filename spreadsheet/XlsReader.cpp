#include "XlsReader.h"

#include "CellText.h"
#include "CompoundDirectory.h"

#include <QFile>

#include <freexl.h>

#include <memory>

namespace gsm {

namespace {

struct FreexlClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using XlsHandle = std::unique_ptr<const void, FreexlClose>;

QString FreexlFailure(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("the file cannot be opened");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("there is not enough memory to read it");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return QStringLiteral("it holds no workbook");
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return QStringLiteral("its text is in a character set that cannot be read");
    default:
        return QStringLiteral("it is damaged (read error %1)").arg(code);
    }
}

// The legacy reader does not say whether a time's format shows seconds. A
// time typed as 08:30 is stored with none and shown without them, so zero
// seconds are left out; any others are kept.
QString WithoutZeroSeconds(const QString& text) {
    const bool hasSeconds = text.size() >= 8 && text.at(text.size() - 6) == QLatin1Char(':') &&
                            text.at(text.size() - 3) == QLatin1Char(':');
    return hasSeconds && text.endsWith(QStringLiteral(":00")) ? text.chopped(3) : text;
}

// freexl gives dates as "YYYY-MM-DD", date-times as "YYYY-MM-DD HH:MM:SS" and
// times as "HH:MM:SS".
SheetCell CellOf(const FreeXL_CellValue& value) {
    QString text;
    switch (value.type) {
    case FREEXL_CELL_INT:
        text = QString::number(value.value.int_value);
        break;
    case FREEXL_CELL_DOUBLE:
        text = celltext::GeneralNumber(value.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        text = QString::fromUtf8(value.value.text_value);
        break;
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        text = WithoutZeroSeconds(celltext::IsoDateTime(QString::fromUtf8(value.value.text_value)));
        break;
    default:
        break;
    }
    return {text, text, false};
}

QString ReadCells(const void* handle, Sheet& sheet) {
    unsigned int rows = 0;
    unsigned short columns = 0;
    int code = freexl_select_active_worksheet(handle, 0);
    if (code == FREEXL_OK)
        code = freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int row = 0; code == FREEXL_OK && row < rows; ++row) {
        for (unsigned short column = 0; code == FREEXL_OK && column < columns; ++column) {
            FreeXL_CellValue value;
            code = freexl_get_cell_value(handle, row, column, &value);
            if (code == FREEXL_OK && value.type != FREEXL_CELL_NULL)
                sheet.At(int(row) + 1, int(column) + 1) = CellOf(value);
        }
    }
    return code == FREEXL_OK ? QString() : FreexlFailure(code);
}

} // namespace

SheetRead ReadXlsFirstSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    const QString unsound = CheckCompoundDirectory(file.readAll());
    file.close();
    if (!unsound.isEmpty())
        return {std::nullopt, unsound};
    const void* raw = nullptr;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &raw);
    const XlsHandle handle(raw);
    if (opened != FREEXL_OK)
        return {std::nullopt, FreexlFailure(opened)};
    unsigned int protection = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection == FREEXL_BIFF_OBFUSCATED)
        return {std::nullopt, QStringLiteral("it is protected by a password")};
    Sheet sheet;
    const QString failure = ReadCells(raw, sheet);
    if (!failure.isEmpty())
        return {std::nullopt, failure};
    return {std::move(sheet), {}};
}

} // namespace gsm
