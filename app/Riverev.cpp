#include "Riverev.h"

#include "Version.h"

#include <QMetaClassInfo>

using namespace Qt::Literals::StringLiterals;

Riverev::Riverev(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(u"riverev"_s);
    setApplicationDisplayName(u"Riverev"_s);
    setApplicationVersion(QStringLiteral(RIVEREV_VERSION));
    setDesktopFileName(u"org.example.Riverev"_s);
}

QString Riverev::Konstante(const QString& text) {
    const QString vorsilbe = u"#App."_s;
    if (!text.startsWith(vorsilbe))
        return text;
    const QByteArray name = text.mid(vorsilbe.size()).toLatin1();
    const int index = staticMetaObject.indexOfClassInfo(name.constData());
    return index < 0 ? QString() : QString::fromUtf8(staticMetaObject.classInfo(index).value());
}
