#include "Hauptfenster.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>

// Any change of a coefficient means the equation read in no longer matches
// the fields: the compute button waits for the next read-in.
void Hauptfenster::x0F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x1F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x2F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x3F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x4F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x5F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x6F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x7F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x8F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x9F_TextChange() {
    EinleseB->setEnabled(false);
}
void Hauptfenster::x10F_TextChange() {
    EinleseB->setEnabled(false);
}

void Hauptfenster::KoeffizientenfeldEinrichten(int j) {
    QLineEdit* feld = xF[j];
    connect(feld, &QLineEdit::returnPressed, this, &Hauptfenster::Koeffizientenfeld_Eingabetaste);
    // Typing gives one character at a time, and neither a tab nor a line
    // break (Tab and Return act on their own): a text that grew by more, or
    // holds one, was pasted or dropped. Its parts, apart at tabs, line
    // breaks, semicolons or two blanks, go one to a field.
    connect(feld, &QLineEdit::textEdited, this, [this, j](const QString& text) {
        static const QRegularExpression trenner(QStringLiteral("[\t\r\n;]|  "));
        const bool eingefuegt = text.size() > vorher[j].size() + 1;
        if (text.contains(u'\t') || text.contains(u'\n') || text.contains(u'\r') ||
            (eingefuegt && text.contains(trenner)))
            Koeffizientenfeld_Einfuegen(j, text);
    });
    connect(feld, &QLineEdit::textChanged, this,
            [this, j](const QString& text) { vorher[j] = text; });
    feld->installEventFilter(this);
}

void Hauptfenster::GanzWaehlen(QLineEdit* feld) {
    // Selected backwards, the caret ends at the start.
    feld->setSelection(feld->text().size(), -feld->text().size());
}

void Hauptfenster::KurzinfoSetzen(QLineEdit* feld) {
    QStyleOptionFrame rahmen;
    rahmen.initFrom(feld);
    rahmen.lineWidth = feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &rahmen, feld);
    const QRect innen = feld->style()
                            ->subElementRect(QStyle::SE_LineEditContents, &rahmen, feld)
                            .marginsRemoved(feld->textMargins());
    // QLineEdit keeps two pixels on either side of its text. Beyond a few
    // thousand characters no field is wide enough, and measuring a pasted
    // megabyte would be slow; so would a tooltip wrapping it, for seconds,
    // and no one reads it there: it shows the start of such a text.
    constexpr qsizetype lang = 4096;
    const QString text = feld->text();
    const bool zuBreit =
        text.size() > lang || feld->fontMetrics().horizontalAdvance(text) > innen.width() - 4;
    feld->setToolTip(!zuBreit             ? QString()
                     : text.size() > lang ? text.left(lang) + u'\u2026'
                                          : text);
}

void Hauptfenster::Koeffizientenfeld_Eingabetaste() {
    (EinleseB->isEnabled() ? EinleseB : BerechneB1)->click();
}

void Hauptfenster::Koeffizientenfeld_Einfuegen(int j, const QString& text) {
    static const QRegularExpression zellgrenze(QStringLiteral("\t|\r\n|\r|\n|;| {2,}"));
    static const QRegularExpression zeilenende(QStringLiteral("[\r\n]+$"));
    const QStringList zellen = QString(text).remove(zeilenende).split(zellgrenze);
    for (int i = 0; i < zellen.size() && j + i <= 10; ++i)
        xF[j + i]->setText(zellen[i]);
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The click that gives a field the focus selects its whole text, so that
    // typing replaces the "0" a read-in left there; the next click places
    // the caret. Qt gives the focus before it delivers the press.
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    // The tooltip shows a number wider than its field whole: measured only
    // as it is about to show, not at every key, paste or resize.
    if (feld && ereignis->type() == QEvent::ToolTip)
        KurzinfoSetzen(feld);
    if (feld && ereignis->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(ereignis)->reason() == Qt::MouseFocusReason) {
        geklicktesFeld = feld;
    } else if (ereignis->type() == QEvent::FocusOut) {
        geklicktesFeld = nullptr;
    } else if (feld && ereignis->type() == QEvent::MouseButtonPress && feld == geklicktesFeld) {
        geklicktesFeld = nullptr;
        GanzWaehlen(feld);
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}
