#include "Rahmen.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

using namespace Qt::Literals::StringLiterals;

double Val(QStringView text) {
    // Find the plain decimal prefix first, so that from_chars never sees
    // anything it might read differently ("+", exponents, "inf").
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negativ = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negativ = text[i] == u'-';
        ++i;
    }
    const qsizetype ziffernAnfang = i;
    bool ziffern = false;
    bool punkt = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            ziffern = true;
        } else if (c == u'.' && !punkt) {
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffern)
        return 0.0;

    std::string zahl;
    zahl.reserve(static_cast<std::size_t>(i - ziffernAnfang));
    for (qsizetype p = ziffernAnfang; p < i; ++p)
        zahl.push_back(static_cast<char>(text[p].unicode()));

    double wert = 0.0;
    const auto [ende, fehler] =
        std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert, std::chars_format::fixed);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        // from_chars leaves the value untouched here; tell too large from
        // too small by the first significant digit's position.
        const auto ersteZiffer = zahl.find_first_not_of("0.");
        const auto punktPos = zahl.find('.');
        const bool zuGross = punktPos == std::string::npos || ersteZiffer < punktPos;
        wert = zuGross ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negativ ? -wert : wert;
}

QString Str(double v) {
    if (v == 0.0)
        return u"0"_s;
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

QString Str(int n) {
    return QString::number(n);
}

namespace {

int echteMsgBox(const QString& text, int knoepfe, const QString& titel) {
    QMessageBox box(QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(titel.isEmpty() ? QApplication::applicationDisplayName() : titel);
    if (knoepfe == MsgBoxJaNein) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MsgBoxJa : MsgBoxNein;
    }
    box.setIcon(QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return 1;
}

MsgBoxSeam& msgBoxSeam() {
    static MsgBoxSeam seam = echteMsgBox;
    return seam;
}

void echtesQuit(int code) {
    QCoreApplication::exit(code);
}

QuitSeam& quitSeam() {
    static QuitSeam seam = echtesQuit;
    return seam;
}

} // namespace

void MsgBox(const QString& text) {
    msgBoxSeam()(text, 0, QString());
}

int MsgBox(const QString& text, int knoepfe, const QString& titel) {
    return msgBoxSeam()(text, knoepfe, titel);
}

MsgBoxSeam setzeMsgBoxSeam(MsgBoxSeam seam) {
    MsgBoxSeam alt = std::move(msgBoxSeam());
    msgBoxSeam() = seam ? std::move(seam) : MsgBoxSeam(echteMsgBox);
    return alt;
}

void Quit(int code) {
    quitSeam()(code);
}

QuitSeam setzeQuitSeam(QuitSeam seam) {
    QuitSeam alt = std::move(quitSeam());
    quitSeam() = seam ? std::move(seam) : QuitSeam(echtesQuit);
    return alt;
}
