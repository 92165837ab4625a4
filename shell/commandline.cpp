#include "commandline.h"

#include "composer.h"
#include "languages.h"
#include "sheetfile.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace CommandLine {

namespace {

using Request = CommandLine::Request;

/// Reads the options of `ficha`, one after another.
class SheetOptions {
public:
    explicit SheetOptions(const QStringList& args)
        : m_args(args) {}
    std::variant<Request, QString> read();

private:
    using Handler = std::function<QString(const QString&)>;
    QString option(const QString& name, const std::optional<QString>& inlineValue);
    QString problem(const QString& value);
    QString level(const QString& value);
    QString versions(const QString& value);
    QString seed(const QString& value);
    QString output(const QString& value);
    QString finish();
    QString levelMissing();

    QStringList m_args;
    qsizetype m_next = 0;
    Request m_request{Request::Kind::Sheet};
    std::vector<practice::FrameId> m_named; ///< frames named one by one, not by their topic
};

QString SheetOptions::problem(const QString& value) {
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    int count = 1;
    if (colon >= 0) {
        bool ok = false;
        count = value.mid(colon + 1).toInt(&ok);
        if (!ok || count < 1 || count > worksheet::MaxPerFrame)
            return QObject::tr("O número de exercícios de «%1» deve ser um inteiro de 1 a %2.")
                .arg(value)
                .arg(worksheet::MaxPerFrame);
    }
    const auto frames = worksheet::framesNamed(value.left(colon), count);
    if (!frames) return QObject::tr("Problema desconhecido: «%1».").arg(value);
    const bool oneByOne = frames->size() == 1; // not a whole topic, nor every option of a frame
    for (const worksheet::FrameCount& f : *frames) {
        m_request.choices.frames.push_back(f);
        if (oneByOne) m_named.push_back(f.frame);
    }
    return {};
}

QString SheetOptions::level(const QString& value) {
    const auto level = worksheet::levelNamed(value);
    if (!level)
        return QObject::tr("Nível desconhecido: «%1». Use básico, intermédio ou avançado.")
            .arg(value);
    m_request.choices.level = *level;
    return {};
}

QString SheetOptions::versions(const QString& value) {
    if (value != QLatin1String("1") && value != QLatin1String("2"))
        return QObject::tr("O número de versões deve ser 1 ou 2, não «%1».").arg(value);
    m_request.choices.versions = value.toInt();
    return {};
}

QString SheetOptions::seed(const QString& value) {
    bool ok = false;
    const quint64 n = value.toULongLong(&ok);
    if (!ok || n == 0)
        return QObject::tr("A semente deve ser um número inteiro positivo, não «%1».").arg(value);
    m_request.seed = n;
    return {};
}

QString SheetOptions::output(const QString& value) {
    if (!m_request.output.isEmpty()) return QObject::tr("Indique um só ficheiro de saída.");
    if (!worksheet::formatOf(value))
        return QObject::tr("O ficheiro «%1» deve terminar em .pdf ou .odt.").arg(value);
    m_request.output = value;
    return {};
}

QString SheetOptions::option(const QString& name, const std::optional<QString>& inlineValue) {
    const std::map<QString, Handler> valued{
        {QStringLiteral("problema"), [this](const QString& v) { return problem(v); }},
        {QStringLiteral("nivel"), [this](const QString& v) { return level(v); }},
        {QStringLiteral("versoes"), [this](const QString& v) { return versions(v); }},
        {QStringLiteral("semente"), [this](const QString& v) { return seed(v); }},
        {QStringLiteral("titulo"),
         [this](const QString& v) {
             m_request.choices.title = v;
             return QString();
         }},
        {QStringLiteral("saida"), [this](const QString& v) { return output(v); }},
    };
    if (name == QLatin1String("sem-figuras") || name == QLatin1String("figuras")) {
        if (inlineValue) return QObject::tr("A opção --%1 não leva valor.").arg(name);
        m_request.choices.figures = name == QLatin1String("figuras");
        return {};
    }
    const auto it = valued.find(name);
    if (it == valued.end()) return QObject::tr("Opção desconhecida: «--%1».").arg(name);
    if (inlineValue) return it->second(*inlineValue);
    if (m_next >= m_args.size()) return QObject::tr("Falta o valor da opção --%1.").arg(name);
    return it->second(m_args[m_next++]);
}

/// Frames without exercises at the level: refused when named one by one,
/// left out (and said) when they came with their topic.
QString SheetOptions::levelMissing() {
    worksheet::Choices& choices = m_request.choices;
    const QString level = worksheet::levelText(choices.level);
    QStringList named, left;
    for (const practice::FrameId& frame : worksheet::framesWithoutLevel(choices)) {
        const QString name = worksheet::frameName(frame);
        QStringList& list =
            std::find(m_named.begin(), m_named.end(), frame) != m_named.end() ? named : left;
        if (!list.contains(name)) list << name;
    }
    if (!named.isEmpty())
        return QObject::tr("Sem exercícios de nível %1: %2.").arg(level, named.join(u", "));
    std::erase_if(choices.frames, [&](const worksheet::FrameCount& f) {
        return !practice::hasLevel(f.frame, choices.level);
    });
    if (choices.frames.empty())
        return QObject::tr("Nenhum dos problemas escolhidos tem exercícios de nível %1.")
            .arg(level);
    if (!left.isEmpty())
        m_request.notes << QObject::tr("Sem exercícios de nível %1, ficam de fora: %2.")
                               .arg(level, left.join(u", "));
    return {};
}

QString SheetOptions::finish() {
    if (m_request.choices.frames.empty())
        return QObject::tr("Indique pelo menos um problema com --problema.");
    if (QString error = levelMissing(); !error.isEmpty()) return error;
    int total = 0;
    for (const worksheet::FrameCount& f : m_request.choices.frames)
        total += f.count;
    if (total > worksheet::MaxExercises)
        return QObject::tr("Uma ficha tem no máximo %1 exercícios por versão.")
            .arg(worksheet::MaxExercises);
    if (m_request.output.isEmpty()) return QObject::tr("Falta o ficheiro de saída (.pdf ou .odt).");
    if (m_request.choices.title.trimmed().isEmpty()) return QObject::tr("O título está vazio.");
    return {};
}

std::variant<Request, QString> SheetOptions::read() {
    static const std::map<QString, QString> shortNames{
        {QStringLiteral("-p"), QStringLiteral("problema")},
        {QStringLiteral("-n"), QStringLiteral("nivel")},
        {QStringLiteral("-v"), QStringLiteral("versoes")},
        {QStringLiteral("-s"), QStringLiteral("semente")},
        {QStringLiteral("-t"), QStringLiteral("titulo")},
        {QStringLiteral("-o"), QStringLiteral("saida")},
    };
    while (m_next < m_args.size()) {
        const QString arg = m_args[m_next++];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help") ||
            arg == QLatin1String("--ajuda"))
            return Request{Request::Kind::Help};
        QString error;
        if (const auto s = shortNames.find(arg); s != shortNames.end())
            error = option(s->second, std::nullopt);
        else if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            error = option(arg.mid(2, eq < 0 ? -1 : eq - 2),
                           eq < 0 ? std::nullopt : std::optional<QString>(arg.mid(eq + 1)));
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            error = QObject::tr("Opção desconhecida: «%1».").arg(arg);
        else
            error = output(arg);
        if (!error.isEmpty()) return error;
    }
    if (QString error = finish(); !error.isEmpty()) return error;
    return m_request;
}

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

/// A name of `--problema` in the language's spelling: "reta1-2" where the
/// language writes "reta" (both are read).
QString spelt(QString name) {
    const QString line = QStringLiteral("recta");
    if (name.startsWith(line))
        name.replace(0, line.size(),
                     QObject::tr("recta", "the topics of lines, in a name of --problema"));
    return name;
}

/// The frames that can be chosen, by topic, as `--problema` names them.
QString frameList() {
    QString out;
    for (const TopicRow& row : TopicTable) {
        const auto frames = practice::framesOf(row.topic);
        if (frames.empty()) continue;
        out +=
            QStringLiteral("  %1 (%2)\n")
                .arg(spelt(QString::fromUtf8(topicName(row.topic))), topicText(row.indexHeading));
        for (const practice::FrameId& frame : frames)
            out += QStringLiteral("    %1  %2\n")
                       .arg(spelt(worksheet::frameName(frame)), -18)
                       .arg(worksheet::frameCaption(frame));
    }
    return out;
}

/// Writes the sheet of a request; the exit code.
int writeSheet(Request request) {
    for (const QString& note : request.notes)
        print(stderr, QStringLiteral("ortoplano: %1\n").arg(note));
    request.choices.seed =
        request.seed.value_or(QRandomGenerator::global()->bounded(quint64(1), quint64(1000000)));
    std::optional<worksheet::Sheet> composed;
    try {
        composed = worksheet::compose(request.choices);
    } catch (const practice::NoExercise& none) { // the tests show it never happens
        print(stderr, QObject::tr("ortoplano: não foi possível criar um exercício de «%1».\n")
                          .arg(QString::fromUtf8(none.what())));
        return 1;
    }
    const worksheet::Sheet& sheet = *composed;
    const worksheet::SaveFault fault = worksheet::save(sheet, request.output);
    if (fault != worksheet::SaveFault::None) {
        print(
            stderr,
            QStringLiteral("ortoplano: %1\n").arg(worksheet::faultMessage(fault, request.output)));
        return 1;
    }
    print(stdout, QObject::tr("Ficha guardada em «%1» (semente %2).\n")
                      .arg(request.output)
                      .arg(request.choices.seed));
    return 0;
}

} // namespace

std::variant<Request, QString> parse(const QStringList& arguments) {
    if (arguments.isEmpty()) return Request{};
    const QString first = arguments.first();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") ||
        first == QLatin1String("--ajuda"))
        return Request{Request::Kind::Help};
    if (first.startsWith(QLatin1Char('-'))) return Request{}; // Qt's own: -style, -platform…
    if (first != QLatin1String("ficha"))
        return QObject::tr("Argumento desconhecido: «%1».").arg(first);
    return SheetOptions(arguments.mid(1)).read();
}

QString helpText() {
    return QObject::tr(
               "Utilização:\n"
               "  ortoplano                      abre as janelas do programa\n"
               "  ortoplano ficha [opções] FICHEIRO\n"
               "                                 escreve uma ficha de exercícios com as "
               "soluções\n"
               "                                 e as resoluções (FICHEIRO.pdf ou "
               "FICHEIRO.odt)\n"
               "  ortoplano --help               mostra esta ajuda\n"
               "\n"
               "Opções de «ficha»:\n"
               "  -p, --problema P[:N]   N exercícios (1 a %1; 1 sem :N) do problema P, ou de\n"
               "                         cada problema do tema P, com ou sem acentos; repete-se\n"
               "                         para juntar outros\n"
               "  -n, --nivel NÍVEL      básico (o habitual), intermédio ou avançado\n"
               "  -v, --versoes 1|2      uma versão, ou duas (A e B) com dados diferentes\n"
               "  -s, --semente N        a semente (inteiro positivo): as mesmas opções e a\n"
               "                         mesma semente dão a mesma ficha; sem ela, uma ao "
               "acaso\n"
               "  -t, --titulo TEXTO     o título da ficha (habitual: «Ficha de "
               "exercícios»)\n"
               "      --sem-figuras      sem as figuras dos dados (habitual: com figuras)\n"
               "  -o, --saida FICHEIRO   o ficheiro a escrever, .pdf ou .odt\n"
               "\n"
               "Exemplo:\n"
               "  ortoplano ficha -p recta1-4:3 -p circunferencia3-2:2 -n intermédio -v 2 "
               "ficha.pdf\n"
               "\n"
               "Problemas:\n")
               .arg(worksheet::MaxPerFrame) +
           frameList();
}

std::optional<int> run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto read = parse(arguments);
    if (const Request* windows = std::get_if<Request>(&read);
        windows && windows->kind == Request::Kind::Windows)
        return std::nullopt;
    // No window is shown: the offscreen platform draws without a display, and
    // no widget is made (the figures are drawn from the exercises' data).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    languages::apply(languages::forLocale(QLocale::system())); // the environment's language
    const auto parsed = parse(arguments);
    if (const QString* error = std::get_if<QString>(&parsed)) {
        print(stderr, QStringLiteral("ortoplano: %1\n%2\n")
                          .arg(*error, QObject::tr("Os problemas e as opções vêm em "
                                                   "«ortoplano --help».")));
        return 2;
    }
    const Request& request = std::get<Request>(parsed);
    switch (request.kind) {
    case Request::Kind::Windows:
        return std::nullopt;
    case Request::Kind::Help:
        print(stdout, helpText());
        return 0;
    case Request::Kind::Sheet:
        return writeSheet(request);
    }
    return std::nullopt;
}

} // namespace CommandLine
