// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One object of a form file: the form itself or a component on it, with its properties and the objects it
// owns, in file order.
struct FormObject {
    QString name;      // "Button1"
    QString className; // "TButton"
    int line = 0;      // where its header is, for warnings
    // Scalar properties by name: numbers and identifiers as written ("24", "clNavy", "True"), strings without
    // their quotes and with #nnn codes resolved, sets as written ("[fsBold, fsItalic]"), binary data as its
    // hexadecimal digits.
    QHash<QString, QString> values;
    // String lists ("Items.Strings", "Lines.Strings") and the members of sets ("Font.Style").
    QHash<QString, QStringList> lists;
    // Collection properties ("Columns", "Panels"): the scalar properties of each item.
    QHash<QString, QList<QHash<QString, QString>>> collections;
    QList<FormObject> children;

    bool has(const QString& property) const { return values.contains(property); }
    QString value(const QString& property, const QString& fallback = QString()) const;
    int number(const QString& property, int fallback) const;
    bool flag(const QString& property, bool fallback) const;
    QStringList strings(const QString& property) const { return lists.value(property); }
    // The first object of this tree (this one included) with the name, or nullptr.
    const FormObject* find(const QString& objectName) const;
    FormObject* find(const QString& objectName);
    // The objects of this tree in file order, this one first.
    QList<const FormObject*> all() const;
};

// The text form of a form file: nested "object Name: TClass ... end" blocks with "Name = value" properties.
// The reader never fails on bad input: what it cannot understand it skips with a warning, and it gives up only
// when no object header is found at all.
class FormFile final {
public:
    FormFile() = delete;

    struct Result {
        std::optional<FormObject> root;
        QStringList warnings;
    };

    static Result parse(const QString& text);

    // Objects nested deeper than this are skipped: a hostile file must not exhaust the stack.
    static constexpr int kMaxDepth = 32;
};
