// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Turns an article written in the course's line-based markup (see articles/README.md) into RTF.
// Markup mistakes never stop the conversion: the line is kept as text and a warning names it.
class ArticleConverter final {
public:
    // sourceName names the article in warnings; title is used for the document information.
    ArticleConverter(QString sourceName, QString title);

    QByteArray convert(const QString& markup);
    // A short article that stands in for one whose text has not been written.
    QByteArray placeholder();

    const QStringList& warnings() const { return m_warnings; }

    // Inline markup (**bold**, //italic//, __underline__) as RTF runs; exposed for the tests.
    static QByteArray runs(QStringView text);

private:
    void warn(int line, const QString& message);

    QString m_sourceName;
    QString m_title;
    QStringList m_warnings;
};
