#include "Hauptfenster.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>

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
    // Typing gives neither a tab nor a line break (Tab and Return act on
    // their own), so a text holding one was pasted or dropped.
    connect(feld, &QLineEdit::textEdited, this, [this, j](const QString& text) {
        if (text.contains(u'\t') || text.contains(u'\n') || text.contains(u'\r'))
            Koeffizientenfeld_Einfuegen(j, text);
    });
    feld->installEventFilter(this);
}

void Hauptfenster::Koeffizientenfeld_Eingabetaste() {
    (EinleseB->isEnabled() ? EinleseB : BerechneB1)->click();
}

void Hauptfenster::Koeffizientenfeld_Einfuegen(int j, const QString& text) {
    static const QRegularExpression zellgrenze(QStringLiteral("\t|\r\n|\r|\n"));
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
    if (feld && ereignis->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(ereignis)->reason() == Qt::MouseFocusReason) {
        geklicktesFeld = feld;
    } else if (ereignis->type() == QEvent::FocusOut) {
        geklicktesFeld = nullptr;
    } else if (feld && ereignis->type() == QEvent::MouseButtonPress && feld == geklicktesFeld) {
        geklicktesFeld = nullptr;
        feld->selectAll();
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}
