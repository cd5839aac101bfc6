#include "Workbook.h"

#include "OdsReader.h"
#include "XlsSandbox.h"
#include "XlsxReader.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>

namespace gsm {

namespace {

enum class FileKind { Zip, Xls, Other };

// A zip package starts with "PK"; a compound document with D0 CF 11 E0.
FileKind KindOf(const QByteArray& head) {
    if (head.startsWith("PK"))
        return FileKind::Zip;
    if (head.startsWith(QByteArray::fromHex("d0cf11e0")))
        return FileKind::Xls;
    return FileKind::Other;
}

// A zip package is an OpenDocument spreadsheet when its mimetype entry says
// so, and otherwise taken for .xlsx.
SheetRead ReadFirstSheet(FileKind kind, const QString& path, const SheetBounds& bounds) {
    if (kind == FileKind::Xls)
        return ReadXlsInSandbox(path, bounds);
    return IsOdsPackage(path) ? ReadOdsFirstSheet(path, bounds) : ReadXlsxFirstSheet(path, bounds);
}

} // namespace

void Workbook::Add() {
    m_sheet.emplace();
    m_lastError.clear();
}

bool Workbook::Open(const QString& path, const SheetBounds& bounds) {
    m_outsideBounds = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FailOpen(path, file.errorString());
    if (file.size() > limits::kMaxFileBytes)
        return FailOpen(path, QStringLiteral("it is larger than %1 MiB, more than any workbook "
                                             "of this program")
                                  .arg(limits::kMaxFileBytes / (1024 * 1024)));
    const FileKind kind = KindOf(file.read(8));
    file.close();
    if (kind == FileKind::Other)
        return FailOpen(path,
                        QStringLiteral("it is not a spreadsheet workbook (.xlsx, .ods or .xls)"));
    SheetRead read = ReadFirstSheet(kind, path, bounds);
    if (!read.sheet) {
        m_outsideBounds = read.outsideBounds;
        return FailOpen(path, read.error);
    }
    m_sheet = std::move(read.sheet);
    m_lastError.clear();
    return true;
}

bool Workbook::SaveAs(const QString& path) {
    if (!m_sheet)
        return FailSave(path, QStringLiteral("no workbook is open"));
    const QString failure = WriteXlsx(*m_sheet, path);
    if (!failure.isEmpty())
        return FailSave(path, failure);
    m_lastError.clear();
    return true;
}

void Workbook::Close() {
    m_sheet.reset();
}

void Workbook::SetColumnWidth(int column, double width) {
    if (m_sheet && Sheet::IsInside(1, column) && width >= 0.0 && width <= 255.0)
        m_sheet->SetColumnWidth(column, width);
}

std::optional<double> Workbook::ColumnWidth(int column) const {
    return m_sheet ? m_sheet->ColumnWidth(column) : std::nullopt;
}

void Workbook::SetCell(int row, int column, const QString& text) {
    if (SheetCell* cell = WritableCell(row, column))
        cell->value = cell->shown = text;
}

void Workbook::SetTextFormat(int row, int column) {
    if (SheetCell* cell = WritableCell(row, column))
        cell->textFormat = true;
}

bool Workbook::HasTextFormat(int row, int column) const {
    const SheetCell* cell = FindCell(row, column);
    return cell && cell->textFormat;
}

QString Workbook::Value(int row, int column) const {
    const SheetCell* cell = FindCell(row, column);
    return cell ? cell->value : QString();
}

QString Workbook::Text(int row, int column) const {
    const SheetCell* cell = FindCell(row, column);
    return cell ? cell->shown : QString();
}

SheetCell* Workbook::WritableCell(int row, int column) {
    return m_sheet && Sheet::IsInside(row, column) ? &m_sheet->At(row, column) : nullptr;
}

const SheetCell* Workbook::FindCell(int row, int column) const {
    return m_sheet ? m_sheet->Find(row, column) : nullptr;
}

bool Workbook::FailOpen(const QString& path, const QString& reason) {
    m_lastError =
        QStringLiteral("Cannot open \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

bool Workbook::FailSave(const QString& path, const QString& reason) {
    m_lastError =
        QStringLiteral("Cannot save \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

} // namespace gsm
