// SPDX-License-Identifier: MIT
#include "screens/InfoSprav.h"

TForm38* Form38 = nullptr;

namespace {

enum : unsigned { Picture = 1, Picture1 = 2, Picture2 = 4, Pic1 = 8, Pic2 = 16, Pic3 = 32, Pic4 = 64 };

constexpr QRect topic(int y)
{
    return QRect(24, y, 185, 25);
}

const TopicRow Topics[] = {
    {0, "Panel3", topic(64), "Главное меню среды Delphi", false, "ГЛАВНОЕ МЕНЮ И ПАНЕЛИ ИНСТРУМЕНТОВ СИСТЕМЫ DELPHI",
     "doc\\topic\\sprav\\spr01.rtf", Picture1 | Picture2, false, true},
    {1, "Panel4", topic(88), "Структура палитры компонентов", false, "ОПИСАНИЕ ПАЛИТРЫ КОМПОНЕНТОВ VCL СИСТЕМЫ DELPHI",
     "doc\\topic\\sprav\\spr02.rtf", Picture1 | Picture2, false, true},
    {2, "Panel10", topic(112), "Свойства, события, методы VCL", false,
     "СВОЙСТВА ВИЗУАЛЬНЫХ КОМПОНЕНТОВ, ВИДЫ СОБЫТИЙ И МЕТОДЫ", "doc\\topic\\sprav\\spr03.rtf", Picture1 | Picture2,
     false, true},
    {3, "Panel11", topic(136), "Сервисы среды Delphi", false, "ОСНОВНЫЕ РЕЖИМЫ РАБОТЫ СИСТЕМЫ ПРОГРАММИРОВАНИЯ DELPHI ",
     "doc\\topic\\sprav\\spr04.rtf", Pic1 | Pic2 | Pic3 | Pic4, false, true},
    {4, "Panel12", topic(160), "Тонкие настройки среды Delphi", false,
     "НЕКОТОРЫЕ ВАЖНЫЕ НАСТРОЙКИ СРЕДЫ ПРОГРАММИРОВАНИЯ DELPHI", "doc\\topic\\sprav\\spr05.rtf", Picture1 | Picture2,
     false, true},
    {5, "Panel13", QRect(24, 312, 185, 16), "Описание компонентов VCL", true, "", "", 0, false, false},
    {6, "Panel14", topic(184), "Директивы компилятора и ошибки", false,
     "ДЕРЕКТИВЫ КОМПИЛЯТОРА И СООБЩЕНИЯ ОБ ОШИБКАХ КОМПИЛЯЦИИ", "doc\\topic\\sprav\\spr07.rtf", Picture, false, true},
    {7, "Panel15", topic(208), "Процедуры и функции Pascal", false,
     "СТАНДАРТНЫЕ ПРОЦЕДУРЫ И ФУНКЦИИ ЯЗЫКА OBJECT PASCAL", "doc\\topic\\sprav\\spr08.rtf", 0, true, false},
    {8, "Panel16", topic(232), "Цветовые схемы Delphi", false, "ИСПОЛЬЗОВАНИЕ ЦВЕТОВЫХ СХЕМ И ИХ РАСШИРЕНИЕ В DELPHI",
     "doc\\topic\\sprav\\spr09.rtf", Picture1 | Picture2, false, true},
    {10, "Panel20", topic(256), "Кодировка символов в Windows", false, "МЕЖДУНАРОДНАЯ КОДИРОВКА СИМВОЛОВ ANSI (ASCII)",
     "doc\\topic\\sprav\\spr11.rtf", 0, true, false},
    {11, "Panel21", topic(280), "Словарь программиста", false,
     "СЛОВАРЬ СПЕЦИАЛЬНЫХ ТЕРМИНОВ ИЗ ОБЛАСТИ ПРОГРАММИРОВАНИЯ", "doc\\topic\\sprav\\spr12.rtf", 0, true, false},
};

const FigureButton FigureButtons[] = {
    {"Panel2", "Рисунок", QRect(80, 336, 73, 17), true},      {"Panel18", "Рисунок 1", QRect(72, 432, 73, 17), false},
    {"Panel19", "Рисунок 2", QRect(152, 432, 73, 17), false}, {"Panel22", "Рис 1", QRect(40, 432, 49, 17), false},
    {"Panel23", "Рис 2", QRect(96, 432, 49, 17), false},      {"Panel24", "Рис 3", QRect(152, 432, 49, 17), false},
    {"Panel25", "Рис 4", QRect(208, 432, 49, 17), false},
};

const FigureRow Figures[] = {
    {1, 0, 397, 540, "РИСУНОК 1. Главное меню системы программирования DELPHI", 360, 476,
     "doc\\topic\\sprav\\picture\\pic011.bmp"},
    {1, 1, 628, 272, "РИСУНОК 1. Вкладки Standard, Additional, Win32", 591, 208,
     "doc\\topic\\sprav\\picture\\pic021.bmp"},
    {1, 2, 245, 575, "РИСУНОК 1. Инспектор объектов", 208, 511, "doc\\topic\\sreda\\picture\\pic051.jpg"},
    {1, 4, 480, 505, "РИСУНОК 1. Настройка параметров интегрированной среды", 443, 441,
     "doc\\topic\\sprav\\picture\\pic051.bmp"},
    {1, 8, 759, 309, "РИСУНОК 1. Стандартная палитра цветов DELPHI", 722, 245,
     "doc\\topic\\sprav\\picture\\pic091.bmp"},
    {2, 0, 345, 201, "РИСУНОК 2. Панели инструментов системы DELPHI", 308, 135,
     "doc\\topic\\sprav\\picture\\pic012.bmp"},
    {2, 1, 628, 272, "РИСУНОК 2. Вкладки System, Dialogs, Samples", 591, 208, "doc\\topic\\sprav\\picture\\pic022.bmp"},
    {2, 2, 245, 575, "РИСУНОК 2. Инспектор объектов", 208, 511, "doc\\topic\\sreda\\picture\\pic052.jpg"},
    {2, 4, 461, 470, "РИСУНОК 2. Настройка параметров проекта", 424, 406, "doc\\topic\\sprav\\picture\\pic052.bmp"},
    {2, 8, 360, 285, "РИСУНОК 2. Цветовая RGB-модель", 323, 245, "doc\\topic\\sprav\\picture\\pic092.bmp"},
    {0, 6, 461, 470, "РИСУНОК.  Окно настройки режимов компиляции", 424, 406, "doc\\topic\\sprav\\picture\\pic071.jpg"},
    {3, 3, 480, 489, "РИСУНОК 1.Диалоговое окно Editor Properties", 443, 425, "doc\\topic\\sprav\\picture\\pic041.bmp"},
    {4, 3, 475, 437, "РИСУНОК 2.Хранилище объектов (Repository)", 438, 373, "doc\\topic\\sprav\\picture\\pic042.bmp"},
    {5, 3, 508, 343, "РИСУНОК 3.Окно регистрации формы в Репозитории", 471, 279,
     "doc\\topic\\sprav\\picture\\pic043.bmp"},
    {6, 3, 370, 521, "РИСУНОК 4.Окно добавления точки останова", 333, 457, "doc\\topic\\sprav\\picture\\pic044.bmp"},
};

const ArticleScreenData Data{
    articleFrame("Справочный материал по среде DELPHI и языку программирования PASCAL",
                 "СПРАВОЧНИКИ ПО СРЕДЕ DELPHI И ЯЗЫКУ PASCAL", /*disabledItem*/ 3),
    "ПОЛЕЗНЫЕ СПРАВОЧНИКИ",
    QPoint(5, 7),
    QSize(33, 33),
    QPoint(1, 12),
    "НАЗВАНИЕ СПРАВОЧНИКА",
    QPoint(296, 152),
    "doc\\topic\\logoS.rtf",
    12,
    Topics,
    FigureButtons,
    Figures,
    {},
    /*hasHintImage*/ true,
    QPoint(109, 308),
    /*image1AtStart*/ true,
    /*hasHideHandler*/ true,
};

} // namespace

TForm38::TForm38() : ArticleScreen(Role::Form38, Data) {}
