// What assistive technology learns about every problem form the build holds,
// read through Qt's accessibility interfaces (what the accessibility bus
// publishes): the window says its topic, every control is named, every field
// says which value it holds, every result is announced as a result.

#include "alltopics.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <memory>

namespace {

QString spoken(QObject* object, QAccessible::Text text = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(text);
}

QList<QWidget*> named(QWidget* form, const QString& pattern) {
    return form->findChildren<QWidget*>(QRegularExpression('^' + pattern + '$'));
}

QGroupBox* frameOf(QWidget* w) {
    return qobject_cast<QGroupBox*>(w->parentWidget());
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    NavigationRecorder nav;
    MessageRecorder messages;
    std::unique_ptr<QWidget> form;

    QWidget* createForm() {
        QFETCH(int, topic);
        form.reset(createTopicForm(Topic(topic)));
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        return form.get();
    }

private slots:
    void windowAndControlsAreNamed_data() { addBuiltTopics(); }
    /// The window says its topic; every field, button, option, label and
    /// frame a user meets says something; the arrows say what they change.
    void windowAndControlsAreNamed() {
        QWidget* w = createForm();
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
        QCOMPARE(spoken(w), w->findChild<QLabel*>("Titulo")->text() + " — ORTOPLANO PLANA");
        QCOMPARE(w->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
        QList<QWidget*> controls;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisibleTo(w) &&
                (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c) ||
                 qobject_cast<QLabel*>(c) || qobject_cast<QGroupBox*>(c)))
                controls << c;
        QVERIFY(controls.size() > 40);
        for (QWidget* c : controls)
            QVERIFY2(!spoken(c).trimmed().isEmpty(), qPrintable(c->objectName()));
        QCOMPARE(spoken(w->findChild<QWidget*>("Picture1")), QStringLiteral("Quadro de desenho"));
        QStringList arrows;
        for (QWidget* arrow : named(w, "UpDown\\d_(up|down)"))
            arrows << spoken(arrow);
        arrows.sort();
        QCOMPARE(arrows, QStringList({"Aumentar Xmáximo", "Aumentar Xmínimo", "Aumentar Ymáximo",
                                      "Aumentar Ymínimo", "Diminuir Xmáximo", "Diminuir Xmínimo",
                                      "Diminuir Ymáximo", "Diminuir Ymínimo"}));
    }

    void fieldsSayWhatTheyHold_data() { addBuiltTopics(); }
    /// The two coordinates of a point name the same point; no two fields of
    /// a frame sound alike, and none is named after its frame only.
    void fieldsSayWhatTheyHold() {
        QWidget* w = createForm();
        const QList<QWidget*> abscissas = named(w, "Abcissa\\d+");
        QVERIFY(!abscissas.isEmpty());
        for (QWidget* abscissa : abscissas) {
            auto* ordinate = w->findChild<QWidget*>("Ordenada" + abscissa->objectName().mid(7));
            QVERIFY2(ordinate && frameOf(ordinate) == frameOf(abscissa),
                     qPrintable(abscissa->objectName()));
            const QString name = spoken(abscissa);
            QVERIFY2(name.startsWith(QLatin1String("Abcissa ")), qPrintable(name));
            QCOMPARE(spoken(ordinate), "Ordenada " + name.mid(8));
        }
        for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
            QStringList names;
            for (QLineEdit* field : frame->findChildren<QLineEdit*>())
                if (field->isVisibleTo(w)) names << spoken(field);
            QVERIFY2(!names.contains(frame->title()), qPrintable(frame->title()));
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }
    }

    void resultsAreAnnouncedAsResults_data() { addBuiltTopics(); }
    /// A result reads its answer (a label's as its name, a field's as its
    /// value), is described as a result, and is labelled by the caption
    /// before it ("Ponto médio:", "Recta(s)").
    void resultsAreAnnouncedAsResults() {
        QWidget* w = createForm();
        QSet<QGroupBox*> framesLabelled;
        const QList<QWidget*> results = named(w, "Resultado\\d+");
        for (QWidget* result : results) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(result);
            QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Resultado"));
            QVERIFY(result->accessibleName().isEmpty());
            const bool label = qobject_cast<QLabel*>(result);
            result->setProperty("text", "(1 , 2)");
            QCOMPARE(iface->text(label ? QAccessible::Name : QAccessible::Value), "(1 , 2)");
            for (const auto& [other, relation] : iface->relations(QAccessible::Label))
                if (!other->text(QAccessible::Name).isEmpty()) framesLabelled << frameOf(result);
        }
        for (QWidget* result : results)
            QVERIFY2(framesLabelled.contains(frameOf(result)), qPrintable(result->objectName()));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
