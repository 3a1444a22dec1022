// Conversions between the core's UTF-8 texts (line ends CR LF) and Qt strings.
#pragma once

#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>

namespace zefra::gui {

// A core text as Qt shows it: CR LF becomes a plain line break.
inline QString aQt(std::string_view texto) {
    QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

inline std::string aCore(const QString& texto) {
    return texto.toStdString();
}

inline std::string textoDe(const QLineEdit* campo) {
    return aCore(campo->text());
}

}  // namespace zefra::gui
