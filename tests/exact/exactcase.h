#pragma once

// What the exact-value tests share: values read from texts, and random
// values of the kinds pupils type (whole numbers, fractions, roots).

#include "evaluation.h"
#include "numbered_error.h"
#include "numbertext.h"

#include <QString>
#include <QTest>
#include <random>

namespace exactcase {

inline exact::Number read(const char* text) {
    return exact::readField(text);
}

inline QString text(const exact::Number& n, const char* separator = ",") {
    return QString::fromStdString(exact::text(n, separator));
}

/// "error N: description" for a NumberedError, or the value's normal form.
template <typename F>
QString outcome(F&& f) {
    try {
        return text(f());
    } catch (const NumberedError& e) {
        return QString("error %1: %2").arg(e.number()).arg(QString::fromStdString(e.description()));
    }
}

/// A random value as a pupil types it: a whole number, a fraction, k√n, a + b√n.
class Values {
public:
    explicit Values(unsigned seed)
        : m_random(seed) {}

    int integer(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    exact::Number next() {
        switch (integer(0, 3)) {
        case 0:
            return integer(-10, 10);
        case 1:
            return exact::Number::fraction(integer(-20, 20), integer(1, 9));
        case 2:
            return exact::Number(integer(-4, 4)) * root();
        default:
            return exact::Number::fraction(integer(-9, 9), integer(1, 4)) +
                   exact::Number(integer(-3, 3)) * root();
        }
    }

    /// A value made of terms of one sign, so that its double is precise.
    exact::Number positive() {
        exact::Number sum = exact::Number::fraction(integer(1, 20), integer(1, 9));
        for (int i = integer(0, 3); i > 0; --i)
            sum += exact::Number::fraction(integer(1, 9), integer(1, 5)) * root();
        return sum;
    }

    exact::Number root() {
        static const int radicands[] = {2, 3, 5, 6, 7, 10, 12, 18};
        return exact::sqrt(exact::Number(radicands[integer(0, 7)]));
    }

private:
    std::mt19937 m_random;
};

} // namespace exactcase
