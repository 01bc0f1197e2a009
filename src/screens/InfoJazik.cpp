// SPDX-License-Identifier: MIT
#include "screens/InfoJazik.h"

TForm37* Form37 = nullptr;

namespace {

constexpr QRect topic(int flag)
{
    return QRect(24, 56 + 24 * flag, 185, 25);
}

const TopicRow Topics[] = {
    {0, "Panel3", topic(0), "Основные понятия языка", false, "ОСНОВНЫЕ ПОНЯТИЯ ЯЗЫКА ПРОГРАММИРОВАНИЯ OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz01.rtf", 0, false, false},
    {1, "Panel4", topic(1), " Константы и переменные", false, "ИСПОЛЬЗОВАНИЕ КОНСТАНТ И ПЕРЕМЕННЫХ ДЛЯ ХРАНЕНИЯ ДАННЫХ",
     "doc\\topic\\jazik\\jaz02.rtf", 0, false, false},
    {2, "Panel10", topic(2), "Простые типы данных", false, "ПРОСТЫЕ ТИПЫ ДАННЫХ ЯЗЫКА OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz03.rtf", 0, false, false},
    {3, "Panel11", topic(3), "Структурированные типы данных", false, "СТРУКТУИРОВАННЫЕ ТИПЫ ДАННЫХ ЯЗЫКА OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz04.rtf", 0, false, false},
    {4, "Panel12", topic(4), "Выражения и операции", false, "ОПЕРАЦИИ И ВЫРАЖЕНИЯ В ЯЗЫКЕ OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz05.rtf", 0, false, false},
    {5, "Panel13", topic(5), "Простые операторы", false, "ВИДЫ ПРОСТЫХ ОПЕРАТОРОВ В ЯЗЫКЕ OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz06.rtf", 0, false, false},
    {6, "Panel14", topic(6), "Структурированные операторы", false,
     "ВИДЫ СТРУКТУИРОВАННЫХ ОПЕРАТОРОВ В ЯЗЫКЕ OBJECT PASCAL", "doc\\topic\\jazik\\jaz07.rtf", 0, false, false},
    {7, "Panel15", topic(7), "Процедуры и Функции", false, "ПОНЯТИЯ ПРОЦЕДУРЫ И ФУНКЦИИ ЯЗЫКА OBJECT PASCAL",
     "doc\\topic\\jazik\\jaz08.rtf", 0, false, false},
    {8, "Panel16", topic(8), "Идеология ООП", false, "ИДЕОЛОГИЯ ОБЪЕКТНО-ОРИЕНТИРОВАННОГО ПРОГРАММИРОВАНИЯ",
     "doc\\topic\\jazik\\jaz09.rtf", 0, false, false},
    {9, "Panel17", topic(9), "Классы и Объекты", false, "КЛАССЫ И ОБЪЕКТЫ В ОБЪЕКТНО-ОРИЕНТИРОВАННОМ ПРОГРАММИРОВАНИИ",
     "doc\\topic\\jazik\\jaz10.rtf", 0, false, false},
    {10, "Panel20", topic(10), "Поля, Свойства, Методы ", false, "ПОНЯТИЯ ПОЛЕЙ, СВОЙСТВ И МЕТОДОВ В ПРОГРАММИРОВАНИИ",
     "doc\\topic\\jazik\\jaz11.rtf", 0, false, false},
    {11, "Panel21", topic(11), "Библиотека компонентов VCL", false,
     "БИБЛИОТЕКА ВИЗУАЛЬНЫХ КОМПОНЕНТОВ СИСТЕМЫ DELPHI (VCL)", "doc\\topic\\jazik\\jaz12.rtf", 0, false, false},
};

const FigureButton FigureButtons[] = {
    {"Panel2", "Рисунок", QRect(80, 336, 73, 17), true},
    {"Panel18", "Рисунок 1", QRect(72, 432, 73, 17), false},
    {"Panel19", "Рисунок 2", QRect(152, 432, 73, 17), false},
};

constexpr QRect reference(int x)
{
    return QRect(x, 472, 105, 17);
}

const ReferenceFigure ReferenceFigures[] = {
    {"Panel24", "ТИПЫ ДАННЫХ", reference(296), 591, 466, "   Структура типов данных языка Object Pascal", 554, 402,
     "doc\\topic\\jazik\\picture\\pic03.bmp"},
    {"Panel25", "ОПЕРАТОРЫ", reference(416), 731, 363, "   Виды операторов языка Object Pascal", 694, 301,
     "doc\\topic\\jazik\\picture\\pic04.bmp"},
    {"Panel22", "КЛАССЫ PASCAL", reference(536), 639, 366, "   Иерархия классов Object Pascal (фрагмент)", 602, 302,
     "doc\\topic\\jazik\\picture\\pic01.bmp"},
    {"Panel23", "КЛАССЫ VCL", reference(656), 365, 392, "   Иерархия базовых классов VCL", 328, 328,
     "doc\\topic\\jazik\\picture\\pic02.bmp"},
};

const ArticleScreenData Data{
    articleFrame("Описание языка программирования OBJECT PASCAL", "ЯЗЫК ПРОГРАММИРОВАНИЯ OBJECT PASCAL",
                 /*disabledItem*/ 1),
    "ВЫБОР СТАТЬИ",
    QPoint(25, 9),
    QSize(33, 33),
    QPoint(25, 18),
    "НАЗВАНИЕ СТАТЬИ",
    QPoint(296, 144),
    "doc\\topic\\logo.rtf",
    12,
    Topics,
    FigureButtons,
    {},
    ReferenceFigures,
    /*hasHintImage*/ false,
    QPoint(),
    /*image1AtStart*/ false,
    /*hasHideHandler*/ false,
};

} // namespace

TForm37::TForm37() : ArticleScreen(Role::Form37, Data) {}
