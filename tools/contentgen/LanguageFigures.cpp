// SPDX-License-Identifier: MIT
#include "LanguageFigures.h"

#include "Diagram.h"
#include "Sketch.h"

namespace {

constexpr QColor kPaper{255, 255, 250};

QRect titled(Sketch& sketch, const QString& title) {
    const QRect all = sketch.bounds();
    sketch.fill(all, kPaper);
    sketch.painter().setPen(Sketch::kShadow);
    sketch.painter().setBrush(Qt::NoBrush);
    sketch.painter().drawRect(all.adjusted(0, 0, -1, -1));
    sketch.text(QRect(all.left(), all.top() + 4, all.width(), 22), title, Qt::AlignCenter, Sketch::uiFont(14, true),
                QColor(0, 0, 128));
    return all.adjusted(8, 34, -8, -8);
}

} // namespace

void LanguageFigures::classHierarchy(Sketch& sketch) {
    const QRect area = titled(sketch, QStringLiteral("Иерархия классов (фрагмент)"));
    const Diagram::Node root{
        "TObject",
        {{"Exception", {{"EMathError", {}}, {"EConvertError", {}}}},
         {"TPersistent",
          {{"TGraphic", {}}, {"TStrings", {}}, {"TComponent", {{"TControl", {}}, {"TTimer", {}}, {"TMenu", {}}}}}},
         {"TStream", {{"TFileStream", {}}}}}};
    Diagram::layeredTree(sketch, area, root, 11);
}

void LanguageFigures::libraryBaseClasses(Sketch& sketch) {
    const QRect area = titled(sketch, QStringLiteral("Базовые классы библиотеки"));
    const Diagram::Node root{"TObject",
                             {{"TPersistent",
                               {{"TComponent",
                                 {{"TControl",
                                   {{"TGraphicControl", {{"TLabel", {}}, {"TImage", {}}}},
                                    {"TWinControl", {{"TButton", {}}, {"TForm", {}}}}}}}}}}}};
    Diagram::layeredTree(sketch, area, root, 10);
}

void LanguageFigures::dataTypes(Sketch& sketch) {
    const QRect area = titled(sketch, QStringLiteral("Типы данных"));
    Diagram::groupedTree(sketch, area, QStringLiteral("Типы данных Object Pascal"),
                         {{QStringLiteral("Простые"),
                           {QStringLiteral("Порядковые"), QStringLiteral(" Целые"), QStringLiteral(" Логические"),
                            QStringLiteral(" Символьные"), QStringLiteral(" Перечисляемые"),
                            QStringLiteral(" Диапазон"), QStringLiteral("Вещественные")}},
                          {QStringLiteral("Строковые"),
                           {QStringLiteral("ShortString"), QStringLiteral("AnsiString"), QStringLiteral("WideString")}},
                          {QStringLiteral("Структурированные"),
                           {QStringLiteral("Массивы"), QStringLiteral("Записи"), QStringLiteral("Множества"),
                            QStringLiteral("Файлы"), QStringLiteral("Классы")}},
                          {QStringLiteral("Другие типы"),
                           {QStringLiteral("Указатели"), QStringLiteral(" Pointer"), QStringLiteral(" ^Тип"),
                            QStringLiteral("Процедурные"), QStringLiteral("Вариантные"), QStringLiteral(" Variant")}}},
                         10);
}

void LanguageFigures::statements(Sketch& sketch) {
    const QRect area = titled(sketch, QStringLiteral("Операторы"));
    Diagram::groupedTree(
        sketch, area, QStringLiteral("Операторы языка Object Pascal"),
        {{QStringLiteral("Простые операторы"),
          {QStringLiteral("Присваивания  :="), QStringLiteral("Вызова процедуры"), QStringLiteral("Перехода  goto"),
           QStringLiteral("Пустой оператор")}},
         {QStringLiteral("Структурированные операторы"),
          {QStringLiteral("Составной  begin … end"), QStringLiteral("Условные"), QStringLiteral(" if … then … else"),
           QStringLiteral(" case … of"), QStringLiteral("Циклы: for, while, repeat")}},
         {QStringLiteral("Особые операторы"),
          {QStringLiteral("Присоединения  with"), QStringLiteral("Обработки исключений"),
           QStringLiteral(" try … except"), QStringLiteral(" try … finally")}}},
        11);
}
