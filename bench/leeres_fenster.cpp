// The yardstick for the program's start: a bare QMainWindow with a File and
// an Edit menu and the same 29 child widgets with the same texts in the same
// places, shown as plainly as Qt allows. scripts/messen --anweisungen counts
// both starts up to the shown window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct Platz {
    char art; // Label, Feld, Ausgabe or Knopf
    const char* text;
    int links, oben, breite, hoehe;
};

constexpr Platz plaetze[] = {
    {'L', "Lösung der Gleichung ", 12, 8, 150, 20},
    {'F', "", 12, 52, 41, 22},
    {'F', "", 65, 51, 47, 22},
    {'F', "", 142, 52, 45, 22},
    {'F', "", 231, 51, 47, 22},
    {'F', "", 324, 52, 45, 22},
    {'F', "", 414, 52, 45, 22},
    {'F', "", 504, 50, 47, 22},
    {'F', "", 595, 51, 45, 22},
    {'F', "", 688, 51, 47, 22},
    {'F', "", 784, 51, 45, 22},
    {'F', "", 881, 52, 45, 22},
    {'L', "x^10 = 0", 931, 53, 73, 20},
    {'L', "x^9 + ", 835, 52, 41, 20},
    {'L', "x^8 + ", 738, 52, 41, 20},
    {'L', "x^7 + ", 644, 52, 41, 20},
    {'L', "x^6 + ", 552, 51, 41, 20},
    {'L', "x^5 + ", 463, 52, 44, 20},
    {'L', "x^4 + ", 372, 53, 41, 20},
    {'L', "x^3 + ", 283, 54, 41, 20},
    {'L', "x^2 + ", 190, 54, 41, 20},
    {'L', "x + ", 117, 53, 23, 20},
    {'A', "", 11, 98, 993, 197},
    {'K', "Loesungen Be&rechnen", 840, 8, 164, 22},
    {'K', "Gleichung Ein&lesen", 688, 8, 137, 22},
    {'L', "+", 54, 53, 16, 20},
    {'K', "Programm &verlassen", 835, 300, 164, 22},
    {'K', "&Neue Gleichung", 268, 8, 134, 22},
    {'K', "&Info", 12, 300, 67, 22},
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"));
    QMenu* bearbeiten = fenster.menuBar()->addMenu(QStringLiteral("&Edit"));
    for (const char* text : {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"})
        bearbeiten->addAction(QString::fromLatin1(text));
    auto* inhalt = new QWidget(&fenster);
    fenster.setCentralWidget(inhalt);
    for (const Platz& p : plaetze) {
        const QString text = QString::fromUtf8(p.text);
        QWidget* w = p.art == 'L'   ? new QLabel(text, inhalt)
                     : p.art == 'F' ? new QLineEdit(inhalt)
                     : p.art == 'A' ? static_cast<QWidget*>(new QPlainTextEdit(inhalt))
                                    : new QPushButton(text, inhalt);
        w->setGeometry(p.links, p.oben, p.breite, p.hoehe);
    }
    inhalt->setFixedSize(1014, 331);
    fenster.show();
    return app.exec();
}
