// Any text as a typed circle equation, read by a problem form's press:
// the reader either yields a circle with a positive radius or ends the press
// with one message.
#include "circlereader.h"
#include "messages.h"
#include "problemform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {
/// A frame of one circle equation, which nothing explains.
const exact::Frame OneCircle{
    "circulo", Topic::Circunferencia1, "Circunferência", {{exact::Role::Circle, "Text1"}}, {},
    nullptr};

class ReaderForm : public ProblemForm {
public:
    ReaderForm()
        : ProblemForm(FormTraits{}) {
        addFrame("Frame1", OneCircle).field("", "Circunferência");
    }
};

int messages = 0;
ReaderForm* form = nullptr;
QLineEdit* field = nullptr;
QGroupBox* frame = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_circlereader";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    setMessageHandler([](QWidget*, const Message&) { ++messages; });
    form = new ReaderForm;
    field = form->findChild<QLineEdit*>("Text1");
    frame = form->findChild<QGroupBox*>("Frame1");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    field->setText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    messages = 0;
    bool read = false;
    form->press(
        [&] {
            const Circle c = LerEquacaoCircunferencia(*form, 0);
            if (!(c.r.value() > 0) || !std::isfinite(c.xc.value()) || !std::isfinite(c.yc.value()))
                __builtin_trap();
            read = true;
        },
        true, frame);
    if (read == (messages == 1) || messages > 1 || form->ModoResolver()) __builtin_trap();
    return 0;
}
