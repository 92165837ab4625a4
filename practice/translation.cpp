#include "translation.h"

namespace practice {

namespace {
Translator& current() {
    static Translator translator;
    return translator;
}
} // namespace

void setTranslator(Translator translator) {
    current() = std::move(translator);
}

std::string translated(const char* context, const char* text) {
    return current() ? current()(context, text) : std::string(text);
}

} // namespace practice
