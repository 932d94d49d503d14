#pragma once

// Coefficient texts of equations whose roots are known: products of factors,
// and the named equations of the literature.

#include "Rahmen.h"

#include <QList>
#include <QStringList>

// Each factor lists its coefficients constant first, as does the result.
// The products are exact as long as they stay small integers or dyadic.
inline QStringList ausFaktoren(const QList<QList<double>>& faktoren) {
    QList<double> p = {1.0};
    for (const QList<double>& f : faktoren) {
        QList<double> n(p.size() + f.size() - 1, 0.0);
        for (int i = 0; i < p.size(); ++i)
            for (int j = 0; j < f.size(); ++j)
                n[i + j] += p[i] * f[j];
        p = n;
    }
    QStringList t;
    for (double c : p)
        t.append(Str(c));
    return t;
}

// (x - 1)(x - 2)...(x - 10).
inline QStringList wilkinson() {
    QList<QList<double>> faktoren;
    for (int r = 1; r <= 10; ++r)
        faktoren.append({-double(r), 1.0});
    return ausFaktoren(faktoren);
}

// Chebyshev's T10 = cos(10 arccos x).
inline QStringList tschebyschow() {
    return {QStringLiteral("-1"),    QString(), QStringLiteral("50"),   QString(),
            QStringLiteral("-400"),  QString(), QStringLiteral("1120"), QString(),
            QStringLiteral("-1280"), QString(), QStringLiteral("512")};
}
