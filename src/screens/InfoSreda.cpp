// SPDX-License-Identifier: MIT
#include "screens/InfoSreda.h"

TForm36* Form36 = nullptr;

namespace {

enum : unsigned { Picture = 1, Picture1 = 2, Picture2 = 4 };

constexpr QRect topic(int y)
{
    return QRect(24, y, 185, 25);
}

const TopicRow Topics[] = {
    {0, "Panel3", topic(64), "Визуальное программирование", false,
     "ВИЗУАЛЬНОЕ ОБЪЕКТНО-ОРИЕНТИРОВАННОЕ ПРОГРАММИРОВАНИЕ", "doc\\topic\\sreda\\srd01.rtf", 0, true, false},
    {1, "Panel4", topic(72), "Идеология ООП", true, "", "", 0, false, false},
    {2, "Panel10", topic(88), "Элементы интерфейса DELPHI", false,
     "ОСНОВНЫЕ ЭЛЕМЕНТЫ ИНТЕРФЕЙСА СИСТЕМЫ BORLAND DELPHI", "doc\\topic\\sreda\\srd03.rtf", Picture1 | Picture2, false,
     true},
    {3, "Panel11", topic(112), "Палитра компонентов", false, "ПАЛИТРА ГРАФИЧЕСКИХ КОМПОНЕНТОВ СИСТЕМЫ DELPHI",
     "doc\\topic\\sreda\\srd04.rtf", Picture, false, true},
    {4, "Panel12", topic(160), "Инспектор объектов", false, "ЗАДАНИЕ СВОЙСТВ КОМПОНЕНТОВ В ИНСПЕКТОРЕ ОБЪЕКТОВ",
     "doc\\topic\\sreda\\srd05.rtf", Picture1 | Picture2, false, true},
    {5, "Panel13", topic(136), "Проектировщик формы", false, "СБОРКА ПРОГРАММЫ В ПРОЕКТИРОВЩИКЕ (ДИЗАЙНЕРЕ) ФОРМЫ",
     "doc\\topic\\sreda\\srd06.rtf", Picture, false, true},
    {6, "Panel14", topic(184), "Окно Редактора кода", false,
     "ИСПОЛЬЗОВАНИЕ ОКНА РЕДАКТОРА ДЛЯ НАПИСАНИЯ ПРОГРАММНОГО КОДА", "doc\\topic\\sreda\\srd07.rtf",
     Picture1 | Picture2, false, true},
    {7, "Panel15", topic(208), "Программный модуль (Unit)", false,
     "СОЗДАНИЕ ПРОГРАММНОГО МОДУЛЯ И ЕГО СТРУКТУРА В DELPHI", "doc\\topic\\sreda\\srd08.rtf", Picture, false, true},
    {8, "Panel16", topic(232), "Управление проектом в DELPHI", false,
     "ПОНЯТИЕ ПРОЕКТА В СИСТЕМЕ DELPHI И УПРАВЛЕНИЕ ПРОЕКТОМ", "doc\\topic\\sreda\\srd09.rtf", Picture, false, true},
    {9, "Panel17", topic(256), "Ошибки и их устранение", false, "ОШИБКИ И МЕТОДЫ ОТЛАДКИ ПРОГРАММ В СИСТЕМЕ DELPHI",
     "doc\\topic\\sreda\\srd10.rtf", 0, true, false},
    {10, "Panel20", topic(280), "Справочная система DELPHI", false,
     "ИСПОЛЬЗОВАНИЕ КОНТЕКСТНОЙ СПРАВОЧНОЙ СИСТЕМЫ DELPHI", "doc\\topic\\sreda\\srd11.rtf", Picture1 | Picture2, false,
     true},
};

const FigureButton FigureButtons[] = {
    {"Panel2", "Рисунок", QRect(80, 336, 73, 17), true},
    {"Panel18", "Рисунок 1", QRect(72, 432, 73, 17), false},
    {"Panel19", "Рисунок 2", QRect(152, 432, 73, 17), false},
};

const FigureRow Figures[] = {
    {1, 2, 741, 604, "РИСУНОК 1. Интерфейс среды Delphi после запуска", 704, 541,
     "doc\\topic\\sreda\\picture\\pic031.jpg"},
    {1, 4, 245, 575, "РИСУНОК 1. Инспектор объектов", 208, 511, "doc\\topic\\sreda\\picture\\pic051.jpg"},
    {1, 6, 698, 593, "РИСУНОК 1. Окно Редактора кода. Код, написанный системой Delphi", 661, 529,
     "doc\\topic\\sreda\\picture\\pic071.bmp"},
    {1, 10, 471, 499, "РИСУНОК 1. Справочный раздел Delphi Help", 434, 435, "doc\\topic\\sreda\\picture\\pic111.jpg"},
    {2, 2, 729, 322, "РИСУНОК 2. Главное управляющее окно среды Delphi", 692, 258,
     "doc\\topic\\sreda\\picture\\pic032.bmp"},
    {2, 4, 245, 575, "РИСУНОК 2. Инспектор объектов", 208, 511, "doc\\topic\\sreda\\picture\\pic052.jpg"},
    {2, 6, 698, 593, "РИСУНОК 2. Окно Редактора кода. Примеры процедур обработки событий", 661, 529,
     "doc\\topic\\sreda\\picture\\pic072.bmp"},
    {2, 10, 454, 546, "РИСУНОК 2. Справка по визуальному компоненту Image", 417, 482,
     "doc\\topic\\sreda\\picture\\pic112.jpg"},
    {0, 3, 694, 230, "РИСУНОК. Окно Палитры компонентов", 657, 177, "doc\\topic\\sreda\\picture\\pic041.bmp"},
    {0, 5, 522, 465, "РИСУНОК. Окно Проектировщика формы", 485, 401, "doc\\topic\\sreda\\picture\\pic061.jpg"},
    {0, 7, 631, 573, "РИСУНОК. Редактор кода. Структура программного модуля", 594, 509,
     "doc\\topic\\sreda\\picture\\pic081.bmp"},
    {0, 8, 602, 497, "РИСУНОК. Редактор кода. Пример главного файла проекта", 565, 433,
     "doc\\topic\\sreda\\picture\\pic091.bmp"},
};

const ArticleScreenData Data{
    articleFrame("Описание системы программирования DELPHI", "СИСТЕМА ПРОГРАММИРОВАНИ BORLAND DELPHI",
                 /*disabledItem*/ 0),
    "ВЫБОР СТАТЬИ",
    QPoint(24, 4),
    QSize(33, 41),
    QPoint(20, 13),
    "НАЗВАНИЕ СТАТЬИ",
    QPoint(296, 152),
    "doc\\topic\\logo.rtf",
    11,
    Topics,
    FigureButtons,
    Figures,
    {},
    /*hasHintImage*/ true,
    QPoint(105, 308),
    /*image1AtStart*/ true,
    /*hasHideHandler*/ true,
};

} // namespace

TForm36::TForm36() : ArticleScreen(Role::Form36, Data) {}
