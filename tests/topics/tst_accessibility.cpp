// What assistive technology learns about every problem form the build holds,
// read through Qt's accessibility interfaces (what the accessibility bus
// publishes): the window says its topic, every control is named, every field
// says which value it holds, every result is announced as a result.

#include "alltopics.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString spoken(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

/// The controls a user meets: fields, buttons, options, labels and frames.
QList<QWidget*> controls(QWidget* form) {
    QList<QWidget*> found;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->isVisibleTo(form) &&
            (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
             qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w)))
            found << w;
    return found;
}

QList<QWidget*> named(QWidget* form, const QString& pattern) {
    const QRegularExpression re(QLatin1Char('^') + pattern + QLatin1Char('$'));
    return form->findChildren<QWidget*>(re);
}

QGroupBox* frameOf(QWidget* w) {
    return qobject_cast<QGroupBox*>(w->parentWidget());
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowSaysItsTopic_data() { addBuiltTopics(); }
    void windowSaysItsTopic();
    void everyControlIsNamed_data() { addBuiltTopics(); }
    void everyControlIsNamed();
    void coordinatesNameTheirPoint_data() { addBuiltTopics(); }
    void coordinatesNameTheirPoint();
    void fieldsOfAFrameSoundDifferent_data() { addBuiltTopics(); }
    void fieldsOfAFrameSoundDifferent();
    void resultsAreAnnouncedAsResults_data() { addBuiltTopics(); }
    void resultsAreAnnouncedAsResults();
    void spinArrowsNameTheirField_data() { addBuiltTopics(); }
    void spinArrowsNameTheirField();

private:
    QWidget* createForm();

    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<QWidget> form;
};

void TestAccessibility::init() {
    nav = std::make_unique<NavigationRecorder>();
    messages = std::make_unique<MessageRecorder>();
}

void TestAccessibility::cleanup() {
    form.reset();
    messages.reset();
    nav.reset();
}

QWidget* TestAccessibility::createForm() {
    QFETCH(int, topic);
    form.reset(createTopicForm(Topic(topic)));
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    return form.get();
}

void TestAccessibility::windowSaysItsTopic() {
    QWidget* w = createForm();
    QCOMPARE(accessible(w)->role(), QAccessible::Window);
    const QString title = w->findChild<QLabel*>(QStringLiteral("Titulo"))->text();
    QCOMPARE(spoken(w), title + QStringLiteral(" — ORTOPLANO PLANA"));
    QCOMPARE(w->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
}

void TestAccessibility::everyControlIsNamed() {
    QWidget* w = createForm();
    const QList<QWidget*> all = controls(w);
    QVERIFY(all.size() > 40);
    for (QWidget* control : all)
        QVERIFY2(!spoken(control).trimmed().isEmpty(), qPrintable(control->objectName()));
    QCOMPARE(spoken(w->findChild<QWidget*>(QStringLiteral("Picture1"))),
             QStringLiteral("Quadro de desenho"));
}

void TestAccessibility::coordinatesNameTheirPoint() {
    QWidget* w = createForm();
    const QList<QWidget*> abscissas = named(w, QStringLiteral("Abcissa\\d+"));
    QVERIFY(!abscissas.isEmpty());
    for (QWidget* abscissa : abscissas) {
        const QString number = abscissa->objectName().mid(int(qstrlen("Abcissa")));
        QWidget* ordinate = w->findChild<QWidget*>(QStringLiteral("Ordenada") + number);
        QVERIFY2(ordinate && frameOf(ordinate) == frameOf(abscissa), qPrintable(number));
        const QString name = spoken(abscissa);
        QVERIFY2(name.startsWith(QLatin1String("Abcissa ")), qPrintable(name));
        QCOMPARE(spoken(ordinate), QStringLiteral("Ordenada ") + name.mid(8));
    }
}

void TestAccessibility::fieldsOfAFrameSoundDifferent() {
    QWidget* w = createForm();
    for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
        QStringList names;
        for (QLineEdit* field : frame->findChildren<QLineEdit*>())
            if (field->isVisibleTo(w)) names << spoken(field);
        QVERIFY2(!names.contains(frame->title()), qPrintable(frame->title()));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }
}

void TestAccessibility::resultsAreAnnouncedAsResults() {
    QWidget* w = createForm();
    QSet<QGroupBox*> framesLabelled;
    for (QWidget* result : named(w, QStringLiteral("Resultado\\d+"))) {
        QAccessibleInterface* iface = accessible(result);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Resultado"));
        QVERIFY(result->accessibleName().isEmpty()); // the answer itself is read
        // A label's answer is its name; a text field's is its value.
        if (auto* label = qobject_cast<QLabel*>(result)) {
            label->setText(QStringLiteral("(1 , 2)"));
            QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("(1 , 2)"));
        } else {
            static_cast<QLineEdit*>(result)->setText(QStringLiteral("(1 , 2)"));
            QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("(1 , 2)"));
        }
        for (const auto& [other, relation] : iface->relations(QAccessible::Label))
            if (!other->text(QAccessible::Name).isEmpty()) framesLabelled << frameOf(result);
    }
    // The caption before a frame's answer ("Ponto médio:", "Recta(s)") labels it.
    for (QWidget* result : named(w, QStringLiteral("Resultado\\d+")))
        QVERIFY2(framesLabelled.contains(frameOf(result)), qPrintable(result->objectName()));
}

void TestAccessibility::spinArrowsNameTheirField() {
    QWidget* w = createForm();
    QStringList names;
    for (QWidget* arrow : named(w, QStringLiteral("UpDown\\d_(up|down)")))
        names << spoken(arrow);
    names.sort();
    QCOMPARE(names, QStringList({"Aumentar Xmáximo", "Aumentar Xmínimo", "Aumentar Ymáximo",
                                 "Aumentar Ymínimo", "Diminuir Xmáximo", "Diminuir Xmínimo",
                                 "Diminuir Ymáximo", "Diminuir Ymínimo"}));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
