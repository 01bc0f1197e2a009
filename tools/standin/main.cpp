// SPDX-License-Identifier: MIT
// The stand-in for a finished program of the course: a small window titled with the exercise it stands for,
// which says what the finished program does. "--describe" prints the same texts instead of opening the window.

#include "StandinTexts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

QLabel* paragraph(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The name it was started by tells which program it stands for.
StandinText textOfThisProgram()
{
    const QStringList arguments = QCoreApplication::arguments();
    return StandinTexts::forPath(arguments.isEmpty() ? QString() : arguments.first());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--describe") == 0) {
        // No window, so no display needed.
        QCoreApplication application(argc, argv);
        const StandinText text = textOfThisProgram();
        std::printf("%s\n%s\n%s\n", qPrintable(text.title), qPrintable(text.description), qPrintable(text.note));
        return text.known ? 0 : 1;
    }

    QApplication application(argc, argv);
    const StandinText text = textOfThisProgram();

    QWidget window;
    window.setWindowTitle(text.title);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QLabel* heading = paragraph(text.title, &window);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    layout->addWidget(heading);
    layout->addWidget(paragraph(text.description, &window));
    QLabel* note = paragraph(text.note, &window);
    QPalette muted = note->palette();
    muted.setColor(QPalette::WindowText, QColor(64, 64, 96));
    note->setPalette(muted);
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Закрыть"), &window);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    heading->setFixedWidth(408);
    window.show();
    return QApplication::exec();
}
