// SPDX-License-Identifier: MIT
#include "ResourceTexts.h"

#include "WindowsCyrillic.h"

#include "platform/Error.h"

#include <array>

namespace {

constexpr const char* kQuestions = R"(; Вопросы теста по арифметике: в каждой строке вопрос и ответ через |
Сколько будет 7 + 8?|15
Сколько будет 15 - 9?|6
Сколько будет 9 · 8?|72
Сколько будет 81 : 9?|9
Найдите сумму чисел 24 и 18|42
Найдите разность чисел 50 и 17|33
Чему равно произведение чисел 6 и 7?|42
Чему равно частное чисел 56 и 8?|7
Сколько будет 125 + 375?|500
Сколько будет 1000 - 1?|999
Сколько будет 12 · 12?|144
Сколько будет 2 + 2 · 2?|6
Сколько будет (2 + 2) · 2?|8
Сколько будет 100 : 4 - 5?|20
Чему равен квадрат числа 15?|225
Сколько будет 3 · 3 · 3?|27
Сколько минут в трёх часах?|180
Сколько сантиметров в двух метрах?|200
Чему равен периметр квадрата со стороной 9 см?|36
Чему равна площадь прямоугольника со сторонами 6 см и 4 см?|24
У Маши было 12 яблок, 5 она отдала брату. Сколько яблок осталось?|7
)";

constexpr const char* kUnit = R"(unit Ariphm;

{ Арифметические подпрограммы для упражнения "Сканируем клавиатуру".
  Модуль составляет примеры на четыре действия, отбирает клавиши,
  которыми набирают ответ, проверяет ответ и ставит оценку.
  Подключите модуль к своей программе: uses ..., Ariphm; }

interface

type
  TOperation = (opAdd, opSub, opMul, opDiv);

  TExample = record
    A, B: Integer;          { числа примера }
    Operation: TOperation;  { действие }
    Answer: Integer;        { верный ответ }
  end;

{ Знак действия: '+', '-', '*' или ':'. }
function OperationSign(Operation: TOperation): Char;

{ Результат действия над двумя целыми числами; деление нацело (div). }
function Calculate(A, B: Integer; Operation: TOperation): Integer;

{ Случайный пример с числами от 1 до MaxValue. Разность никогда не бывает
  отрицательной, а деление всегда выполняется без остатка. }
function NewExample(MaxValue: Integer): TExample;

{ Текст примера без ответа, например '12 + 7 = '. }
function ExampleText(const Example: TExample): string;

{ True, если клавишу Key можно принять при наборе ответа Typed:
  цифра, Backspace (#8) или минус в самом начале ответа.
  Удобно вызывать из обработчика OnKeyPress: if not IsAnswerKey(...) then Key := #0; }
function IsAnswerKey(Key: Char; const Typed: string): Boolean;

{ True, если набранный ответ совпадает с верным. Пробелы по краям не мешают;
  пустая строка и не число — неверный ответ. }
function CheckAnswer(const Example: TExample; const Typed: string): Boolean;

{ Оценка по пятибалльной шкале за Right верных ответов из Total:
  от 90% — 5, от 75% — 4, от 50% — 3, иначе 2; 0, если ответов не было. }
function Mark(Right, Total: Integer): Integer;

{ Наибольший общий делитель и наименьшее общее кратное. }
function Gcd(A, B: Integer): Integer;
function Lcm(A, B: Integer): Integer;

{ True для простого числа N. }
function IsPrime(N: Integer): Boolean;

{ N! для N от 0 до 20 (21! уже не помещается в Int64). }
function Factorial(N: Integer): Int64;

{ Двоичная запись числа: не меньше Digits цифр, слева дополняется нулями
  (IntToBin(65, 8) = '01000001'); отрицательное число записывается как 32-битное. }
function IntToBin(Value: Integer; Digits: Integer): string;

implementation

uses
  SysUtils;

function OperationSign(Operation: TOperation): Char;
begin
  case Operation of
    opAdd: Result := '+';
    opSub: Result := '-';
    opMul: Result := '*';
  else
    Result := ':';
  end;
end;

function Calculate(A, B: Integer; Operation: TOperation): Integer;
begin
  case Operation of
    opAdd: Result := A + B;
    opSub: Result := A - B;
    opMul: Result := A * B;
  else
    Result := A div B;
  end;
end;

function NewExample(MaxValue: Integer): TExample;
var
  T: Integer;
begin
  if MaxValue < 1 then
    MaxValue := 1;
  Result.Operation := TOperation(Random(4));
  Result.A := Random(MaxValue) + 1;
  Result.B := Random(MaxValue) + 1;
  case Result.Operation of
    opSub:
      if Result.A < Result.B then
      begin
        T := Result.A;
        Result.A := Result.B;
        Result.B := T;
      end;
    opDiv:
      { Делимое — произведение частного на делитель, поэтому остатка нет. }
      Result.A := Result.A * Result.B;
  end;
  Result.Answer := Calculate(Result.A, Result.B, Result.Operation);
end;

function ExampleText(const Example: TExample): string;
begin
  Result := IntToStr(Example.A) + ' ' + OperationSign(Example.Operation) + ' ' +
    IntToStr(Example.B) + ' = ';
end;

function IsAnswerKey(Key: Char; const Typed: string): Boolean;
begin
  Result := (Key in ['0'..'9']) or (Key = #8) or ((Key = '-') and (Typed = ''));
end;

function CheckAnswer(const Example: TExample; const Typed: string): Boolean;
var
  Text: string;
  Value, Code: Integer;
begin
  Text := Trim(Typed);
  Result := False;
  if Text = '' then
    Exit;
  Val(Text, Value, Code);
  Result := (Code = 0) and (Value = Example.Answer);
end;

function Mark(Right, Total: Integer): Integer;
var
  Percent: Integer;
begin
  if Total <= 0 then
  begin
    Result := 0;
    Exit;
  end;
  Percent := Right * 100 div Total;
  if Percent >= 90 then
    Result := 5
  else if Percent >= 75 then
    Result := 4
  else if Percent >= 50 then
    Result := 3
  else
    Result := 2;
end;

function Gcd(A, B: Integer): Integer;
var
  T: Integer;
begin
  A := Abs(A);
  B := Abs(B);
  while B <> 0 do
  begin
    T := A mod B;
    A := B;
    B := T;
  end;
  Result := A;
end;

function Lcm(A, B: Integer): Integer;
begin
  if (A = 0) or (B = 0) then
    Result := 0
  else
    Result := Abs(A div Gcd(A, B) * B);
end;

function IsPrime(N: Integer): Boolean;
var
  D: Integer;
begin
  Result := N >= 2;
  D := 2;
  while Result and (D * D <= N) do
  begin
    if N mod D = 0 then
      Result := False;
    Inc(D);
  end;
end;

function Factorial(N: Integer): Int64;
var
  I: Integer;
begin
  Result := 1;
  for I := 2 to N do
    Result := Result * I;
end;

function IntToBin(Value: Integer; Digits: Integer): string;
var
  V: Cardinal;
begin
  V := Cardinal(Value);
  Result := '';
  repeat
    Result := Char(Ord('0') + Integer(V and 1)) + Result;
    V := V shr 1;
  until V = 0;
  while Length(Result) < Digits do
    Result := '0' + Result;
end;

initialization
  Randomize;
end.
)";

struct StandIn {
    const char* name;
    bool archive;   // an archive of sources, or else a compiled unit
    const char* ru; // what the real file holds, in Russian
    const char* en; // and in English
};

constexpr std::array kStandIns = {
    StandIn{"TrayIcon.rar", true,
            "исходные тексты примера работы со значком в области уведомлений панели задач (рядом с часами): "
            "программа помещает туда свой значок функцией Shell_NotifyIcon и откликается на щелчки по нему",
            "the source of an example that puts the program's icon into the notification area of the taskbar "
            "(next to the clock) with the function Shell_NotifyIcon and answers clicks on it"},
    StandIn{"GIFImage.dcu", false,
            "скомпилированный модуль GIFImage для Delphi 7 с классом TGIFImage: после подключения модуля "
            "(uses GIFImage) компонент TImage загружает и показывает GIF-рисунки, в том числе анимированные",
            "the compiled unit GIFImage for Delphi 7 with the class TGIFImage: once a program uses the unit "
            "(uses GIFImage), a TImage component loads and shows GIF pictures, animated ones included"},
    StandIn{"Zoom.rar", true, "исходные тексты демонстрационной программы Zoom (Zoom.exe) — экранной лупы",
            "the source of the demonstration program Zoom (Zoom.exe), a screen magnifier"},
    StandIn{"MEyes.rar", true,
            "исходные тексты демонстрационной программы MouseEyes (MouseEyes.exe) — глаз, которые следят за "
            "указателем мыши",
            "the source of the demonstration program MouseEyes (MouseEyes.exe), a pair of eyes that follow the "
            "mouse pointer"},
    StandIn{"Torus.rar", true, "исходные тексты демонстрационной программы Torus (Torus.exe) — вращающегося тора",
            "the source of the demonstration program Torus (Torus.exe), a spinning torus"},
    StandIn{"ScrFlip.rar", true,
            "исходные тексты демонстрационной программы ScrFlip (ScrFlip.exe) — переворота изображения экрана",
            "the source of the demonstration program ScrFlip (ScrFlip.exe), which flips the picture of the screen"},
    StandIn{"Snow.rar", true, "исходные тексты демонстрационной программы Snow (Project1.exe) — снегопада",
            "the source of the demonstration program Snow (Project1.exe), falling snow"},
    StandIn{"Lamp.rar", true, "исходные тексты демонстрационной программы Lamp (Lamp.exe) — светящейся лампы",
            "the source of the demonstration program Lamp (Lamp.exe), a glowing lamp"},
    StandIn{"SeaWar.rar", true, "исходные тексты демонстрационной программы SeaWar (Project1.exe) — игры «Морской бой»",
            "the source of the demonstration program SeaWar (Project1.exe), the game of battleships"},
    StandIn{"Tetris.rar", true, "исходные тексты демонстрационной программы Tetris (Tetris.exe) — игры «Тетрис»",
            "the source of the demonstration program Tetris (Tetris.exe), the falling blocks game"},
    StandIn{"Check.rar", true, "исходные тексты демонстрационной программы WinDraught (WinDraught.exe) — игры в шашки",
            "the source of the demonstration program WinDraught (WinDraught.exe), a game of draughts"},
};

} // namespace

QByteArray ResourceTexts::testQuestions()
{
    return WindowsCyrillic::textFile(QString::fromUtf8(kQuestions));
}

QByteArray ResourceTexts::arithmeticUnit()
{
    return WindowsCyrillic::textFile(QString::fromUtf8(kUnit));
}

QByteArray ResourceTexts::standIn(const QString& fileName)
{
    for (const StandIn& row : kStandIns) {
        if (fileName != QLatin1String(row.name))
            continue;
        const QString name = QLatin1String(row.name);
        const QString ru = QString::fromUtf8(row.ru);
        const QString en = QString::fromUtf8(row.en);
        QString text;
        if (row.archive) {
            text = QStringLiteral("ОБРАЗЕЦ-ЗАМЕНИТЕЛЬ. ЭТО НЕ АРХИВ RAR.\n\n"
                                  "Этот текстовый файл стоит в учебном комплекте на месте архива «%1». "
                                  "Настоящий архив содержал бы %2: файл проекта (*.dpr), модули (*.pas) и "
                                  "формы (*.dfm). В образец комплекта он не вошёл. Распаковывать этот файл не "
                                  "нужно: он открывается в любом текстовом редакторе.\n\n"
                                  "SAMPLE STAND-IN. THIS IS NOT A RAR ARCHIVE.\n\n"
                                  "This text file takes the place of the archive \"%1\" in the course files. "
                                  "The real archive would hold %3: the project file (*.dpr), the units (*.pas) "
                                  "and the forms (*.dfm). It is not part of this sample set. There is nothing "
                                  "to unpack: open this file in any text editor.\n")
                       .arg(name, ru, en);
        } else {
            text = QStringLiteral("ОБРАЗЕЦ-ЗАМЕНИТЕЛЬ. ЭТО НЕ СКОМПИЛИРОВАННЫЙ МОДУЛЬ DELPHI.\n\n"
                                  "Этот текстовый файл стоит в учебном комплекте на месте файла «%1». "
                                  "Настоящий файл — это %2. В образец комплекта он не вошёл, и Delphi не "
                                  "сможет подключить этот файл: для упражнения нужен настоящий модуль "
                                  "GIFImage для вашей версии Delphi.\n\n"
                                  "SAMPLE STAND-IN. THIS IS NOT A COMPILED DELPHI UNIT.\n\n"
                                  "This text file takes the place of the file \"%1\" in the course files. "
                                  "The real file is %3. It is not part of this sample set, and Delphi cannot "
                                  "use this file: the exercise needs the real GIFImage unit for your version "
                                  "of Delphi.\n")
                       .arg(name, ru, en);
        }
        text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    throw Error(QStringLiteral("No stand-in text for %1").arg(fileName));
}
