#include "XmlPart.h"

#include <QXmlStreamReader>

namespace gsm {

QByteArray ReadXmlPart(const ZipPackage& package, const QString& part) {
    QByteArray bytes = package.Read(part);
    CheckXmlShape(bytes, part);
    return bytes;
}

void CheckXmlShape(const QByteArray& bytes, const QString& part) {
    QXmlStreamReader xml(bytes);
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            Fail(QStringLiteral("the part %1 declares a document type, as no workbook does")
                     .arg(part));
        case QXmlStreamReader::StartElement:
            if (++depth > limits::kMaxXmlDepth)
                Fail(QStringLiteral("the part %1 nests its elements more than %2 deep")
                         .arg(part)
                         .arg(limits::kMaxXmlDepth));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        FailDamaged(
            QStringLiteral("the part %1 is not well-formed XML (%2)").arg(part, xml.errorString()));
}

} // namespace gsm
