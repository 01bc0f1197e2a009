// SPDX-License-Identifier: MIT
// The sample session that gives running windows their state: the units' Pascal run on a form (statements,
// routines of the library, messages, stops at what it does not know), the pupil's typing, clicks, strokes and
// changed options, drawing on canvases within bounds, and the working folder of the sample machine.
#include "FormFile.h"
#include "GifClips.h"
#include "ResourceFiles.h"
#include "ResourcePictures.h"
#include "SampleCanvas.h"
#include "SampleRun.h"
#include "tst_formsamples.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QtTest>

using namespace FormSamples;

class TestSampleRun final : public QObject {
    Q_OBJECT

private slots:
    void sampleRun_data();
    void sampleRun();
    void sampleRunMessages_data();
    void sampleRunMessages();
    void sampleRunStopsAtTheUnknown();
    void mainButtonAndNamedCommand();
    void programChangesFireEvents();
    void whatThePupilDoes();
    void canvasDrawing_data();
    void canvasDrawing();
    void hostileDrawingIsBounded_data();
    void hostileDrawingIsBounded();
    void workingFolderOfTheSampleMachine();
    void pupilDrawsAndChangesOptions();
    void workingFolderFiles();
};

void TestSampleRun::sampleRun_data()
{
    QTest::addColumn<QString>("implementation");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    // The pupil types 12 and 5 into the two edits and presses the default button.
    QTest::newRow("integers") << "procedure TForm1.Button1Click(Sender: TObject);\nvar a, b: Integer;\nbegin\n"
                                 "  a := StrToInt(Edit1.Text);\n  b := StrToInt(Edit2.Text);\n"
                                 "  Label1.Caption := 'Сумма: ' + IntToStr(a + b);\nend;"
                              << ""
                              << "Label1"
                              << "Caption"
                              << "Сумма: 17";
    QTest::newRow("reals with a decimal comma")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar r, h, V: Real;\nbegin\n"
           "  r := StrToFloat(Edit1.Text);\n  h := StrToFloat(Edit2.Text);\n  V := Pi * Sqr(r) * h;\n"
           "  Label1.Caption := 'V = ' + FloatToStrF(V, ffFixed, 10, 2) + ', ' + FormatFloat('0.0', h / 3);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "V = 78,54, 1,3";
    QTest::newRow("if, else and div")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar x: Integer;\nbegin\n  x := StrToInt(Edit1.Text);\n"
           "  if x mod 2 = 0 then\n    Label1.Caption := 'чётное ' + IntToStr(x div 5)\n  else\n"
           "    Label1.Caption := 'нечётное';\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "чётное 2";
    QTest::newRow("for downto over a string")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar S, R: String; i: Integer;\nbegin\n"
           "  S := 'Дельфи'; R := '';\n  for i := Length(S) downto 1 do\n    R := R + S[i];\n"
           "  Label1.Caption := R + ' ' + UpperCase(Copy(S, 2, 3)) + IntToStr(Pos('ль', S));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "ифьлеД ЕЛЬ3";
    QTest::newRow("while, repeat, inc")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar i, s: Integer;\nbegin\n  i := 0; s := 0;\n"
           "  while i < 4 do begin Inc(i); s := s + i; end;\n  repeat Dec(s, 3) until s < 5;\n"
           "  Label1.Caption := IntToStr(s);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "4";
    QTest::newRow("case with character ranges and a function")
        << "function Shift(C: Char; Key: Integer): Char;\nbegin\n  case C of\n"
           "    'А'..'Я': Result := Chr(Ord('А') + (Ord(C) - Ord('А') + Key) mod 32);\n"
           "    'а'..'я': Result := Chr(Ord('а') + (Ord(C) - Ord('а') + Key) mod 32);\n  else\n    Result := C;\n"
           "  end;\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar S: string; I: Integer;\nbegin\n"
           "  S := 'Мир, да!';\n  for I := 1 to Length(S) do\n    S[I] := Shift(S[I], 3);\n"
           "  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Плу, зг!";
    QTest::newRow("array with a constant bound, field and method")
        << "procedure TForm1.Fill;\nvar I: Integer;\nbegin\n  for I := 1 to N do A[I] := I * I;\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar I: Integer;\nbegin\n  Fill;\n  Total := 0;\n"
           "  for I := Low(A) to High(A) do Total := Total + A[I];\n"
           "  Label1.Caption := Format('%d из %d', [Total, Length(A)]);\nend;"
        << "    A: array[1..N] of Integer;\n    Total: Integer;"
        << "Label1"
        << "Caption"
        << "55 из 5";
    QTest::newRow("set membership")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar S: string; i, d: Integer;\nbegin\n"
           "  S := 'a1b22'; d := 0;\n  for i := 1 to Length(S) do\n    if S[i] in ['0'..'9'] then Inc(d);\n"
           "  Label1.Caption := IntToStr(d);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "3";
    QTest::newRow("memo lines and colours")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Memo1.Clear;\n  Memo1.Lines.Add('один');\n"
           "  Memo1.Lines.Add('два');\n  Label1.Font.Color := clRed;\n  Color := RGB(255, 0, 0);\n"
           "  Label1.Caption := IntToStr(Memo1.Lines.Count) + Memo1.Lines[1];\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "2два";
    QTest::newRow("the sample clock")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar H, M, S, MS: Word;\nbegin\n"
           "  DecodeTime(Now, H, M, S, MS);\n"
           "  Label1.Caption := TimeToStr(Time) + ' ' + FormatDateTime('dd.mm.yyyy, dddd', Date) + ' ' + IntToStr(M);\n"
           "end;"
        << ""
        << "Label1"
        << "Caption"
        << "12:30:45 01.09.2004, среда 30";
    QTest::newRow("edit text typed and read back")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := 'Привет, ' + Edit1.Text;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Привет, Маша";
    QTest::newRow("try except")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  try\n    Label1.Caption := "
           "IntToStr(StrToInt('x1'));\n"
           "  except\n    on E: EConvertError do Label1.Caption := 'Ошибка: ' + E.Message;\n  end;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Ошибка: 'x1' is not a valid integer value";
    QTest::newRow("number formats")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := FloatToStr(Pi) + ' ' + FormatFloat('00.0', 3.14159) + ' ' + FormatFloat('0.###', 2.5) "
           "+\n"
           "    ' ' + Format('%.2f|%d|%s|%.2x', [1.005, 42, 'ok', 255]) + ' ' + IntToHex(255, 4);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "3,14159265358979 03,1 2,5 1,00|42|ok|FF 00FF";
    QTest::newRow("case with integers and else")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar i: Integer; S: string;\nbegin\n  S := '';\n"
           "  for i := 1 to 6 do\n    case i of\n      1, 3: S := S + 'a';\n      4..5: S := S + 'b';\n"
           "    else\n      S := S + '-';\n    end;\n  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "a-abb-";
    QTest::newRow("file names and text functions")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := ExtractFileName('C:\\DELPHIFILES\\CLOCK.WMF') + ' ' + Trim('  x ') + LowerCase('ДА') "
           "+\n"
           "    IntToStr(Round(2.5)) + IntToStr(Trunc(-2.7)) + IntToStr(Ord('A')) + Chr(66);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "CLOCK.WMF xда2-265B";
    QTest::newRow("client sizes from outer sizes")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := IntToStr(ClientWidth) + 'x' + IntToStr(Memo1.ClientHeight);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "392x76";
    QTest::newRow("memo text as one string")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Memo1.Text := 'один'#13#10'два';\n"
           "  Label1.Caption := IntToStr(Memo1.Lines.Count) + ':' + IntToStr(Length(Memo1.Text));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "2:11";
    QTest::newRow("Sender, as and an object in brackets")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := (Sender as TButton).Caption;\n"
           "  if Sender = Button1 then\n    Label1.Caption := Label1.Caption + '!';\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "Сложить!";
    QTest::newRow("records, arrays of two dimensions and dynamic arrays")
        << "procedure TForm1.Button1Click(Sender: TObject);\n"
           "var R: TRect; M: array[1..2, 1..3] of Integer; D: array of string; I, J: Integer;\nbegin\n"
           "  R := Rect(10, 20, 50, 60);\n  R.Left := R.Right - 5;\n"
           "  for I := 1 to 2 do\n    for J := 1 to 3 do\n      M[I, J] := I * 10 + J;\n"
           "  SetLength(D, 2);\n  D[High(D)] := 'б';\n"
           "  Label1.Caption := Format('%d %d %d%s', [R.Left, M[2, 3], Length(D), D[1]]);\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "45 23 2б";
    // The right side of "or" is not evaluated when the left one is true: A[0] would be out of range.
    QTest::newRow("enumerations, sets with ranges, short-circuit or")
        << "type\n  TTool = (tlPen, tlLine, tlBox);\nconst\n  Letters = ['a'..'z', 'ё'];\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nvar T: TTool; S: string; A: array[1..2] of Integer;\n"
           "begin\n  T := TTool(2);\n  S := '';\n  if T = tlBox then S := 'box';\n"
           "  if ('q' in Letters) and not ('Q' in Letters) then S := S + '+';\n"
           "  if (S <> '') or (A[0] > 0) then S := S + '0';\n  Label1.Caption := S;\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "box+0";
    QTest::newRow("colours are the library's numbers")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar C: TColor;\nbegin\n  C := clBtnFace;\n"
           "  Label1.Caption := IntToHex(C, 8) + ' ' + IntToHex(ColorToRGB(C), 6) + ' ' +\n"
           "    IntToStr(GetRValue(ColorToRGB(clRed))) + ' ' + IntToStr(StringToColor('clNavy'));\nend;"
        << ""
        << "Label1"
        << "Caption"
        << "8000000F C8D0D4 255 8388608";
    QTest::newRow("a string list the program makes, filled by GetColorValues")
        << "procedure TForm1.AddName(const S: string);\nbegin\n  if Pos('Gr', S) > 0 then\n    Names.Add(S);\nend;\n"
           "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Names := TStringList.Create;\n"
           "  Names.Sorted := True;\n  GetColorValues(AddName);\n"
           "  Label1.Caption := IntToStr(Names.Count) + ' ' + Names[0];\nend;"
        << "    Names: TStringList;"
        << "Label1"
        << "Caption"
        << "7 clGradientActiveCaption";
}

void TestSampleRun::sampleRun()
{
    QFETCH(QString, implementation);
    QFETCH(QString, fields);
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QString, expected);
    SampleRun run(parsed(QString::fromUtf8(kForm)), unit(fields, implementation));
    run.start();
    run.typeSamples(false);
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(object)->value(property), expected);
}

void TestSampleRun::sampleRunMessages_data()
{
    QTest::addColumn<QString>("implementation");
    QTest::addColumn<bool>("badInput");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    using Icon = SampleRun::Message::Icon;
    QTest::newRow("show message") << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                     "  ShowMessage('Сумма ' + IntToStr(StrToInt(Edit1.Text) + 1));\nend;"
                                  << false << "Project1"
                                  << "Сумма 13" << int(Icon::None);
    QTest::newRow("message dialog") << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                       "  if MessageDlg('Стереть?', mtConfirmation, [mbYes, mbNo], 0) = mrYes then\n"
                                       "    Label1.Caption := '';\nend;"
                                    << false << "Confirm"
                                    << "Стереть?" << int(Icon::Question);
    // Text that is no number: the exception nobody caught reaches the application's message box.
    QTest::newRow("uncaught conversion error")
        << "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
           "  Label1.Caption := IntToStr(StrToInt(Edit1.Text) + StrToInt(Edit2.Text));\nend;"
        << true << "Project1"
        << "'12а' is not a valid integer value." << int(Icon::Error);
    QTest::newRow("caught by the program")
        << "procedure TForm1.Button1Click(Sender: TObject);\nvar x: Integer;\nbegin\n"
           "  if not TryStrToInt(Edit1.Text, x) then\n"
           "    MessageDlg('Введите целое число!', mtError, [mbOK], 0);\nend;"
        << true << "Error"
        << "Введите целое число!" << int(Icon::Error);
}

void TestSampleRun::sampleRunMessages()
{
    QFETCH(QString, implementation);
    QFETCH(bool, badInput);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, icon);
    SampleRun run(parsed(QString::fromUtf8(kForm)), unit(QString(), implementation));
    run.start();
    run.typeSamples(badInput);
    run.clickMainButton();
    QVERIFY(run.message());
    QCOMPARE(run.message()->caption, caption);
    QCOMPARE(run.message()->text, text);
    QCOMPARE(int(run.message()->icon), icon);
}

void TestSampleRun::sampleRunStopsAtTheUnknown()
{
    // What ran before the unknown statement stays; the stop is reported with where it happened.
    SampleRun run(parsed(QString::fromUtf8(kForm)),
                  unit(QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                                 "  Label1.Caption := 'до';\n  Label1.Caption := GetCurrentDir;\n"
                                                 "  Label1.Caption := 'после';\nend;")));
    run.clickMainButton();
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("до"));
    QVERIFY(run.incomplete());
    QVERIFY2(run.stops().first().startsWith(QLatin1String("Button1Click")), qPrintable(run.stops().first()));

    // Endless loops and endless recursion end at the step limit, not in a hang.
    SampleRun endless(parsed(QString::fromUtf8(kForm)),
                      unit(QString(), QStringLiteral("procedure TForm1.Again;\nbegin\n  Again;\nend;\n"
                                                     "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                                     "  Again;\nend;\n"
                                                     "procedure TForm1.FormCreate(Sender: TObject);\nbegin\n"
                                                     "  while True do Label1.Caption := 'x';\nend;")));
    QElapsedTimer timer;
    timer.start();
    endless.start();
    endless.clickMainButton();
    QVERIFY(endless.incomplete());
    QCOMPARE(endless.stops().size(), 2);
    QVERIFY(timer.elapsed() < 5000);

    // A unit that is no Pascal at all changes nothing.
    SampleRun garbage(parsed(QString::fromUtf8(kForm)), QStringLiteral("procedure TForm1.Button1Click( ((( begin 'x"));
    garbage.clickMainButton();
    QCOMPARE(garbage.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("Сумма:"));
}

void TestSampleRun::mainButtonAndNamedCommand()
{
    // Without a default button the first button that does more than close the window is the main one.
    FormObject form = parsed(QString::fromUtf8(kForm));
    form.find(QStringLiteral("Button1"))->values.remove(QStringLiteral("Default"));
    std::swap(form.children[3], form.children[4]); // Button2 first in file order
    const QString source = unit(
        QString(),
        QStringLiteral("procedure TForm1.Button2Click(Sender: TObject);\nbegin\n  Close; // выход\nend;\n"
                       "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Label1.Caption := 'main';\nend;\n"
                       "procedure TForm1.NEncryptClick(Sender: TObject);\nbegin\n"
                       "  Label1.Caption := 'шифр';\nend;"));
    SampleRun main(form, source);
    main.clickMainButton();
    QCOMPARE(main.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("main"));

    // A figure caption's words find a menu command by its stem.
    FormFile::Result withMenu = FormFile::parse(QStringLiteral(
        "object Form1: TForm1\n object MainMenu1: TMainMenu\n  object N1: TMenuItem\n   Caption = '&Шифр'\n"
        "   object NEncrypt: TMenuItem\n    Caption = 'За&шифровать'\n    OnClick = NEncryptClick\n   end\n  end\n"
        " end\n object Label1: TLabel\n end\nend"));
    SampleRun named(*withMenu.root, source);
    QVERIFY(!named.clickMatching(QStringLiteral("Расшифрованное письмо")));
    QVERIFY(named.clickMatching(QStringLiteral("Зашифрованный текст")));
    QCOMPARE(named.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("шифр"));
    SampleRun unnamed(*withMenu.root, source);
    QVERIFY(!unnamed.clickMatching(QStringLiteral("Программа в работе")));
}

void TestSampleRun::programChangesFireEvents()
{
    // A position set by the program fires OnChange as a user's move does, once per change.
    const FormObject form = parsed(QStringLiteral("object Form1: TForm1\n object TrackBar1: TTrackBar\n  Max = 10\n"
                                                  "  OnChange = TrackBar1Change\n end\n object Label1: TLabel\n end\n"
                                                  " object Button1: TButton\n  OnClick = Button1Click\n end\nend"));
    SampleRun run(form,
                  unit(QStringLiteral("    Changes: Integer;"),
                       QStringLiteral("procedure TForm1.TrackBar1Change(Sender: TObject);\nbegin\n"
                                      "  Inc(Changes);\n"
                                      "  Label1.Caption := IntToStr(TrackBar1.Position) + '/' + IntToStr(Changes);\n"
                                      "end;\n"
                                      "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n"
                                      "  TrackBar1.Position := 7;\n  TrackBar1.Position := 7;\nend;")));
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("7/1"));
    // The session works on its own copy: the form it started from, which shares its lists, is untouched.
    QVERIFY(!form.find(QStringLiteral("Label1"))->has(QStringLiteral("Caption")));
    QVERIFY(!form.find(QStringLiteral("TrackBar1"))->has(QStringLiteral("Position")));
}

void TestSampleRun::whatThePupilDoes()
{
    // The pupil types only into fields that take text, presses no button of a program that works by itself
    // (a timer runs from the start) unless it is the default one, and uses the menu when there is no button.
    const QString counting = unit(
        QStringLiteral("    Ticks, Slow: Integer;"),
        QStringLiteral("procedure TForm1.Timer1Timer(Sender: TObject);\nbegin\n  Inc(Ticks);\n"
                       "  Label1.Caption := IntToStr(Ticks) + '/' + IntToStr(Slow);\nend;\n"
                       "procedure TForm1.Timer2Timer(Sender: TObject);\nbegin\n  Inc(Slow);\nend;\n"
                       "procedure TForm1.Button1Click(Sender: TObject);\nbegin\n  Timer1.Enabled := False;\nend;\n"
                       "procedure TForm1.N2Click(Sender: TObject);\nbegin\n  Label1.Caption := 'новая игра';\nend;"));
    const FormObject timed = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n object Edit1: TEdit\n  Enabled = False\n end\n"
        " object Button1: TButton\n  Caption = 'Пауза'\n  OnClick = Button1Click\n end\n"
        " object Timer1: TTimer\n  Interval = 100\n  OnTimer = Timer1Timer\n end\n"
        " object Timer2: TTimer\n  Interval = 5000\n  OnTimer = Timer2Timer\n end\nend"));
    SampleRun run(timed, counting);
    run.typeSamples(false);
    run.clickMainButton();
    run.runFor(1500);
    QVERIFY(run.form().find(QStringLiteral("Edit1"))->value(QStringLiteral("Text")).isEmpty());
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("15/0"));
    run.runFor(60000);
    // However long the run, a timer fires at most kMaxTicks times; the slow one twelve times in a minute.
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("%1/12").arg(15 + SampleRun::kMaxTicks));

    const FormObject menu = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n object MainMenu1: TMainMenu\n"
        "  object N1: TMenuItem\n   Caption = 'Игра'\n   object N2: TMenuItem\n    Caption = 'Новая игра'\n"
        "    OnClick = N2Click\n   end\n  end\n end\nend"));
    SampleRun game(menu, counting);
    game.clickMainButton();
    QCOMPARE(game.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("новая игра"));
}

void TestSampleRun::canvasDrawing_data()
{
    QTest::addColumn<QString>("implementation");
    // "Owner x y colour": the colour as #rrggbb, "none" where the surface is transparent, "outside" for a point
    // beyond it.
    QTest::addColumn<QStringList>("pixels");

    const auto click = [](const char* body) {
        return QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar C: TCanvas;\nbegin\n%1\nend;")
            .arg(QString::fromUtf8(body));
    };
    QTest::newRow("FillRect up to, not including, its right and bottom edges")
        << click("  Image1.Canvas.Brush.Color := clRed;\n  Image1.Canvas.FillRect(Rect(10, 10, 30, 20));")
        << QStringList{"Image1 10 10 #ff0000", "Image1 29 19 #ff0000", "Image1 30 15 #ffffff", "Image1 15 20 #ffffff"};
    QTest::newRow("Rectangle: the pen's outline around the brush")
        << click("  Image1.Canvas.Pen.Color := clBlue;\n  Image1.Canvas.Brush.Color := clYellow;\n"
                 "  Image1.Canvas.Rectangle(10, 10, 40, 30);")
        << QStringList{"Image1 10 20 #0000ff", "Image1 39 20 #0000ff", "Image1 25 29 #0000ff", "Image1 25 20 #ffff00",
                       "Image1 40 20 #ffffff"};
    QTest::newRow("Ellipse in its box; a clear brush leaves the inside")
        << click("  Image1.Canvas.Brush.Color := clLime;\n  Image1.Canvas.Ellipse(0, 0, 41, 41);\n"
                 "  Image1.Canvas.Brush.Style := bsClear;\n  Image1.Canvas.Ellipse(50, 0, 91, 41);")
        << QStringList{"Image1 20 20 #00ff00", "Image1 2 2 #ffffff", "Image1 70 20 #ffffff", "Image1 50 20 #000000"};
    QTest::newRow("LineTo without its last point, and the pen moves")
        << click("  Image1.Canvas.MoveTo(5, 50);\n  Image1.Canvas.LineTo(25, 50);\n"
                 "  Label1.Caption := IntToStr(Image1.Canvas.PenPos.X);")
        << QStringList{"Image1 5 50 #000000", "Image1 24 50 #000000", "Image1 25 50 #ffffff"};
    QTest::newRow("with, and a variable that holds the canvas")
        << click("  with Image1.Canvas do\n  begin\n    Brush.Color := clNavy;\n    FillRect(Rect(0, 0, 10, 10));\n"
                 "  end;\n  C := Image1.Canvas;\n  C.Pixels[50, 50] := clRed;")
        << QStringList{"Image1 5 5 #000080", "Image1 50 50 #ff0000", "Image1 51 50 #ffffff"};
    QTest::newRow("Polygon of points") << click(
                                              "  Image1.Canvas.Brush.Color := clGreen;\n"
                                              "  Image1.Canvas.Polygon([Point(0, 60), Point(40, 60), Point(20, 79)]);")
                                       << QStringList{"Image1 20 65 #008000", "Image1 2 78 #ffffff"};
    QTest::newRow("text on the brush colour, or on nothing when the brush is clear")
        << click("  Image1.Canvas.Brush.Color := clYellow;\n  Image1.Canvas.TextOut(0, 0, 'Ш');\n"
                 "  Image1.Canvas.Brush.Style := bsClear;\n  Image1.Canvas.TextOut(50, 0, 'Ш');")
        << QStringList{"Image1 0 0 #ffff00", "Image1 50 0 #ffffff"};
    QTest::newRow("pen mode NotXor drawn twice leaves the picture as it was")
        << click("  Image1.Canvas.Pen.Mode := pmNotXor;\n  Image1.Canvas.Brush.Style := bsClear;\n"
                 "  Image1.Canvas.Rectangle(10, 10, 40, 30);\n  Image1.Canvas.Rectangle(10, 10, 40, 30);")
        << QStringList{"Image1 10 20 #ffffff", "Image1 25 10 #ffffff"};
    // A paint box shows only what its OnPaint handler draws, on a clear surface each time.
    QTest::newRow("a paint box paints afresh")
        << click("  PaintBox1.Canvas.Brush.Color := clBlue;\n  PaintBox1.Canvas.FillRect(Rect(0, 0, 60, 40));") +
               "\nprocedure TForm1.PaintBox1Paint(Sender: TObject);\nbegin\n"
               "  PaintBox1.Canvas.Brush.Color := clRed;\n  PaintBox1.Canvas.Ellipse(0, 0, 20, 20);\nend;"
        << QStringList{"PaintBox1 10 10 #ff0000", "PaintBox1 50 30 none"};
    QTest::newRow("an owner-drawn grid draws each cell in its Rect")
        << QStringLiteral("procedure TForm1.DrawGrid1DrawCell(Sender: TObject; ACol, ARow: Integer;\n"
                          "  Rect: TRect; State: TGridDrawState);\nbegin\n"
                          "  if (ACol + ARow) mod 2 = 0 then\n    DrawGrid1.Canvas.Brush.Color := clBlack\n"
                          "  else\n    DrawGrid1.Canvas.Brush.Color := clWhite;\n"
                          "  DrawGrid1.Canvas.FillRect(Rect);\nend;")
        << QStringList{"DrawGrid1 5 5 #000000", "DrawGrid1 26 5 #ffffff", "DrawGrid1 47 5 #000000",
                       "DrawGrid1 26 15 #000000", "DrawGrid1 20 5 none"};
    // Started by the button, the timer fires four times in the 450 ms the program runs.
    QTest::newRow("the timer draws while the program runs")
        << click("  Timer1.Enabled := True;") +
               "\nprocedure TForm1.Timer1Timer(Sender: TObject);\nbegin\n  X := X + 10;\n"
               "  Image1.Canvas.Pixels[X, 5] := clRed;\nend;"
        << QStringList{"Image1 10 5 #ff0000", "Image1 40 5 #ff0000", "Image1 50 5 #ffffff"};
    QTest::newRow("the form's own canvas")
        << click("  Canvas.Brush.Color := clAqua;\n  Canvas.FillRect(Rect(0, 0, 5, 5));")
        << QStringList{"Form1 2 2 #00ffff", "Form1 6 6 none"};
    QTest::newRow("an image's bitmap gets the size the program gives it")
        << click("  Image1.Picture.Bitmap.Width := 20;\n  Image1.Picture.Bitmap.Height := 10;\n"
                 "  Image1.Picture.Bitmap.Canvas.Pixels[19, 9] := clRed;")
        << QStringList{"Image1 19 9 #ff0000", "Image1 25 5 outside", "Image1 5 15 outside"};
}

void TestSampleRun::canvasDrawing()
{
    QFETCH(QString, implementation);
    QFETCH(QStringList, pixels);
    SampleRun run(parsed(QString::fromUtf8(kCanvasForm)), unit(QStringLiteral("    X: Integer;"), implementation));
    run.start();
    run.clickMainButton();
    run.runFor(450);
    run.paint();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    for (const QString& check : pixels) {
        const QStringList part = check.split(QLatin1Char(' '));
        QVERIFY2(run.canvases().contains(part[0]), qPrintable(check));
        const QImage image = run.canvases().value(part[0]).image();
        const QPoint at(part[1].toInt(), part[2].toInt());
        if (part[3] == QLatin1String("outside")) {
            QVERIFY2(!image.rect().contains(at), qPrintable(check));
            continue;
        }
        QVERIFY2(image.rect().contains(at), qPrintable(check));
        const QColor colour = image.pixelColor(at);
        if (part[3] == QLatin1String("none"))
            QVERIFY2(colour.alpha() == 0, qPrintable(check + QLatin1String(": ") + colour.name(QColor::HexArgb)));
        else
            QVERIFY2(colour == QColor(part[3]), qPrintable(check + QLatin1String(": ") + colour.name()));
    }
}

void TestSampleRun::hostileDrawingIsBounded_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("stops");
    QTest::newRow("a bitmap as large as the program asks") << "  Image1.Picture.Bitmap.Width := 2000000000;" << false;
    QTest::newRow("coordinates far off the surface")
        << "  Image1.Canvas.Rectangle(-2000000000, 0, 2000000000, 10);\n  Image1.Canvas.LineTo(99999999, -99999999);\n"
           "  Image1.Canvas.Pixels[-5, 100000] := clRed;"
        << false;
    QTest::newRow("arguments of the wrong kind") << "  Image1.Canvas.Rectangle('a', 1);" << true;
    QTest::newRow("drawing for ever") << "  while True do\n    Image1.Canvas.Pixels[1, 1] := clRed;" << true;
    QTest::newRow("a canvas variable never set") << "  C.Pen.Color := clRed;\n  C.Ellipse(0, 0, 5, 5);" << false;
    QTest::newRow("a polygon of no points") << "  Image1.Canvas.Polygon([]);\n  Image1.Canvas.Polyline([]);" << false;
}

void TestSampleRun::hostileDrawingIsBounded()
{
    // Whatever a unit asks of a canvas, the session ends, with surfaces no larger than the bound; what it
    // cannot carry out stops the handler.
    QFETCH(QString, body);
    QFETCH(bool, stops);
    SampleRun run(parsed(QString::fromUtf8(kCanvasForm)),
                  unit(QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar C: TCanvas;\n"
                                                 "begin\n%1\nend;")
                                      .arg(body)));
    run.clickMainButton();
    run.paint();
    QCOMPARE(run.incomplete(), stops);
    for (const SampleCanvas& canvas : run.canvases()) {
        QVERIFY(canvas.size().width() <= SampleCanvas::kMaxSide);
        QVERIFY(canvas.size().height() <= SampleCanvas::kMaxSide);
    }
}

void TestSampleRun::workingFolderOfTheSampleMachine()
{
    // The working folder holds what the pupil saved: the program finds its files, lists a folder by a mask
    // and loads a GIF picture with its frames.
    const FormObject form = parsed(QStringLiteral("object Form1: TForm1\n object Label1: TLabel\n end\n"
                                                  " object FileListBox1: TFileListBox\n  Mask = '*.gif'\n end\n"
                                                  " object Image1: TImage\n  Width = 100\n  Height = 100\n end\n"
                                                  " object Button1: TButton\n  Default = True\n"
                                                  "  OnClick = Button1Click\n end\nend"));
    const QString source = unit(
        QString(), QStringLiteral("procedure TForm1.Button1Click(Sender: TObject);\nvar G: TGIFImage;\nbegin\n"
                                  "  if DirectoryExists('C:\\DELPHIFILES\\GIF') then\n"
                                  "    FileListBox1.Directory := 'C:\\DELPHIFILES\\GIF';\n"
                                  "  Label1.Caption := IntToStr(FileListBox1.Items.Count);\n"
                                  "  if FileExists('C:\\DELPHIFILES\\CLOCK.WMF') then\n"
                                  "    Label1.Caption := Label1.Caption + ' wmf';\n"
                                  "  Image1.Picture.LoadFromFile('C:\\DELPHIFILES\\GIF\\' + FileListBox1.Items[1]);\n"
                                  "  if Image1.Picture.Graphic is TGIFImage then\n  begin\n"
                                  "    G := TGIFImage(Image1.Picture.Graphic);\n"
                                  "    Label1.Caption := Format('%s %d %dx%d', [Label1.Caption, G.Images.Count,\n"
                                  "      G.Width, G.Height]);\n  end;\nend;"));
    auto folder = std::make_shared<SampleRun::Folder>();
    folder->names = {"CLOCK.WMF", "gif/001.gif", "gif/002.gif", "gif/Music.wav"};
    const QByteArray gif = GifClips::clip(1);
    folder->bytes = [&](const QString& name) { return name.endsWith(QLatin1String(".gif")) ? gif : QByteArray(); };
    QImageReader reader(QStringLiteral("unused"));
    QBuffer buffer(const_cast<QByteArray*>(&gif));
    reader.setDevice(&buffer);
    const int frames = reader.imageCount();
    const QSize gifSize = reader.size();
    QVERIFY(frames > 1);

    SampleRun run(form, source);
    run.setWorkingFolder(folder);
    run.clickMainButton();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    QCOMPARE(run.form().find(QStringLiteral("FileListBox1"))->strings(QStringLiteral("Items.Strings")),
             QStringList({"001.gif", "002.gif"}));
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")),
             QStringLiteral("2 wmf %1 %2x%3").arg(frames).arg(gifSize.width()).arg(gifSize.height()));
    QCOMPARE(run.canvases().value(QStringLiteral("Image1")).size(), gifSize);

    // Without a working folder the machine has no files: the list stays empty and loading fails.
    SampleRun bare(form, source);
    bare.clickMainButton();
    QCOMPARE(bare.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("0"));
    QVERIFY(bare.incomplete() || bare.message());
}

void TestSampleRun::pupilDrawsAndChangesOptions()
{
    // Each tool button of the first group draws one stroke in its own part of the surface; then the pupil
    // changes the options and their events run.
    const FormObject form = parsed(QStringLiteral(
        "object Form1: TForm1\n object Label1: TLabel\n end\n"
        " object Image1: TImage\n  Width = 200\n  Height = 100\n  OnMouseDown = Image1MouseDown\n"
        "  OnMouseMove = Image1MouseMove\n end\n"
        " object SpeedButton1: TSpeedButton\n  Tag = 0\n  GroupIndex = 1\n  Down = True\n  OnClick = ToolClick\n end\n"
        " object SpeedButton2: TSpeedButton\n  Tag = 1\n  GroupIndex = 1\n  OnClick = ToolClick\n end\n"
        " object RadioGroup1: TRadioGroup\n  Items.Strings = (\n    'a'\n    'b')\n  ItemIndex = 0\n"
        "  OnClick = RadioGroup1Click\n end\n"
        " object CheckBox1: TCheckBox\n  Checked = True\n  State = cbChecked\n end\n"
        " object TrackBar1: TTrackBar\n  Max = 80\n  Position = 10\n end\nend"));
    const QString source = unit(
        QStringLiteral("    Tool: Integer;"),
        QStringLiteral("procedure TForm1.ToolClick(Sender: TObject);\nbegin\n  Tool := (Sender as TSpeedButton).Tag;\n"
                       "end;\n"
                       "procedure TForm1.Image1MouseDown(Sender: TObject; Button: TMouseButton;\n"
                       "  Shift: TShiftState; X, Y: Integer);\nbegin\n  if Button = mbLeft then\n"
                       "    Image1.Canvas.MoveTo(X, Y);\nend;\n"
                       "procedure TForm1.Image1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);\n"
                       "begin\n  if Tool = 0 then\n    Image1.Canvas.Pen.Color := clRed\n  else\n"
                       "    Image1.Canvas.Pen.Color := clBlue;\n  Image1.Canvas.LineTo(X, Y);\nend;\n"
                       "procedure TForm1.RadioGroup1Click(Sender: TObject);\nbegin\n"
                       "  Label1.Caption := 'выбран ' + RadioGroup1.Items[RadioGroup1.ItemIndex];\nend;"));
    SampleRun run(form, source);
    run.drawStrokes();
    QVERIFY2(!run.incomplete(), qPrintable(run.stops().join(QLatin1Char('\n'))));
    const QImage image = run.canvases().value(QStringLiteral("Image1")).image();
    int red = 0;
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c == QColor(Qt::red) ? (x < 100 ? 1 : -1000) : 0;
            blue += c == QColor(Qt::blue) ? (x >= 100 ? 1 : -1000) : 0;
        }
    QVERIFY2(red > 40 && blue > 40, qPrintable(QStringLiteral("%1 %2").arg(red).arg(blue)));
    QCOMPARE(run.form().find(QStringLiteral("SpeedButton2"))->value(QStringLiteral("Down")), QStringLiteral("True"));
    QCOMPARE(run.form().find(QStringLiteral("SpeedButton1"))->value(QStringLiteral("Down")), QStringLiteral("False"));

    QVERIFY(run.changeOptions());
    QCOMPARE(run.form().find(QStringLiteral("Label1"))->value(QStringLiteral("Caption")), QStringLiteral("выбран b"));
    QVERIFY(!run.form().find(QStringLiteral("CheckBox1"))->flag(QStringLiteral("Checked"), true));
    QVERIFY(!run.form().find(QStringLiteral("CheckBox1"))->has(QStringLiteral("State")));
    QCOMPARE(run.form().find(QStringLiteral("TrackBar1"))->number(QStringLiteral("Position"), 0), 20);
}

void TestSampleRun::workingFolderFiles()
{
    // The sample machine's working folder: every exercise's files under their folders, read by name in any
    // letter case; the sounds and archives are there but empty.
    const QStringList names = ResourceFiles::names();
    for (const char* name : {"CALC.WMF", "TEST1.txt", "gif/001.gif", "gif/Music.wav", "visual/20.bmp",
                             "buttons/button018.bmp", "source/Zoom.rar"})
        QVERIFY2(names.contains(QLatin1String(name)), name);
    QCOMPARE(QImage::fromData(ResourceFiles::bytes(QStringLiteral("GIF/001.GIF")), "GIF").isNull(), false);
    QCOMPARE(QImage::fromData(ResourceFiles::bytes(QStringLiteral("visual/1.bmp")), "BMP").size(),
             ResourcePictures::butterfly(1).size());
    QVERIFY(ResourceFiles::bytes(QStringLiteral("TEST1.txt")).size() > 20);
    QVERIFY(ResourceFiles::bytes(QStringLiteral("Crack.wav")).isEmpty());
    QVERIFY(ResourceFiles::bytes(QStringLiteral("../CALC.WMF")).isEmpty());
}

QTEST_MAIN(TestSampleRun)
#include "tst_samplerun.moc"
