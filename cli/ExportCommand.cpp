#include "cli/Commands.h"
#include "ui/NativePath.h"

#include "database/AtomicFile.h"
#include "export/ChannelExport.h"

#include <QFileInfo>

namespace {

QCommandLineOption FormatOption() {
    return QCommandLineOption(QStringLiteral("format"), QStringLiteral("csv (the default) or html."),
                              QStringLiteral("FORMAT"), QStringLiteral("csv"));
}

QCommandLineOption ScopeOption() {
    return QCommandLineOption(QStringLiteral("scope"),
                              QStringLiteral("all (the default), tv, radio, satellite:SLOT or group:INDEX."),
                              QStringLiteral("SCOPE"), QStringLiteral("all"));
}

QCommandLineOption ExportOutputOption() {
    return QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Write the list to OUT instead of standard output."),
                              QStringLiteral("OUT"));
}

QCommandLineOption LangOption() {
    return QCommandLineOption(QStringLiteral("lang"),
                              QStringLiteral("en (the default) or de: the language of the list."),
                              QStringLiteral("LANG"), QStringLiteral("en"));
}

// The words of the list in German, as the editor writes them with its German interface.
ExportTexts GermanTexts() {
    ExportTexts texts;
    texts.language = "de";
    texts.headings = {"Nr.",          "Name",       "Typ",        "Satellit", "Position", "Frequenz",
                      "Polarisation", "Symbolrate", "Service-ID", "CA",       "Favoriten"};
    texts.title = "Senderliste: %1";
    texts.oneChannel = "%1 Sender";
    texts.channels = "%1 Sender";
    texts.noChannels = "Keine Sender.";
    texts.page = "Seite %1 von %2";
    texts.allChannels = "Alle Sender";
    texts.tvChannels = "TV-Sender";
    texts.radioChannels = "Radiosender";
    texts.satellite = "Satellit %1 (%2)";
    texts.favoriteGroup = "Favoritengruppe %1";
    return texts;
}

// "all", "tv", "radio", "satellite:SLOT" or "group:INDEX"; false for anything else.
bool ParseScope(const QString& text, ExportScope& scope) {
    if (text == QLatin1String("all") || text == QLatin1String("tv") || text == QLatin1String("radio")) {
        scope.kind = text == QLatin1String("all") ? SCOPE_ALL : text == QLatin1String("tv") ? SCOPE_TV : SCOPE_RADIO;
        return true;
    }
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString kind = text.left(colon);
    if (colon < 0 || (kind != QLatin1String("satellite") && kind != QLatin1String("group")))
        return false;
    const QString number = text.mid(colon + 1);
    bool isNumber = false;
    const uint index = number.toUInt(&isNumber, 10);
    // toUInt takes a sign and blanks; a scope is digits only.
    if (!isNumber || number.isEmpty() || !number.front().isDigit() || !number.back().isDigit())
        return false;
    scope.kind = kind == QLatin1String("satellite") ? SCOPE_SATELLITE : SCOPE_GROUP;
    scope.index = index;
    return true;
}

} // namespace

const char* ExportCommand::Summary() const {
    return "Write the channel list as CSV or as a web page";
}

const char* ExportCommand::Description() const {
    return "Writes the channels of FILE, the TV list and then the radio list in channel order, as CSV\n"
           "(UTF-8, CRLF line ends, a byte-order mark in files only) or as one self-contained web page. Each row\n"
           "holds the channel number, name, type, satellite, position, frequency, polarity, symbol\n"
           "rate, service ID, CA systems and favorite groups. --scope lists all channels, the TV or\n"
           "the radio list, the channels of one network slot (counted from 0; the numbers stay those\n"
           "of the whole list) or one favorite group (counted from 0; in the group's order, numbered\n"
           "by place in the group). Positions are written with E or W (19.2E, 0.8W). --lang de\n"
           "writes the headings and words of the list in German. FILE is not changed.";
}

std::vector<CommandArgument> ExportCommand::Arguments() const {
    return {{"FILE", "the NDF file to list"}};
}

QList<QCommandLineOption> ExportCommand::Options() const {
    return {FormatOption(), ScopeOption(), LangOption(), ExportOutputOption()};
}

int ExportCommand::Execute(const QCommandLineParser& parser, const QStringList& positional, std::ostream& out,
                           std::ostream& err) {
    const QString format = parser.value(FormatOption());
    if (format != QLatin1String("csv") && format != QLatin1String("html"))
        return UsageError(err, "unknown format \"" + format.toStdString() + "\"; use csv or html");
    const QString lang = parser.value(LangOption());
    if (lang != QLatin1String("en") && lang != QLatin1String("de"))
        return UsageError(err, "unknown language \"" + lang.toStdString() + "\"; use en or de");
    ExportScope scope;
    const QString scopeText = parser.value(ScopeOption());
    if (!ParseScope(scopeText, scope))
        return UsageError(err, "unknown scope \"" + scopeText.toStdString() +
                                   "\"; use all, tv, radio, satellite:SLOT or group:INDEX");

    NetworkDatabase database;
    if (const NdfStatus status = LoadDatabase(positional[0], database, err); status != NDF_OK)
        return status;
    if (!ScopeIsValid(database, scope)) {
        const bool satellite = scope.kind == SCOPE_SATELLITE;
        const size_t count = satellite ? database.networks().size() : database.favoriteGroups().size();
        const std::string what = satellite ? "network slot" : "favorite group";
        const std::string range = count == 0 ? std::string("it has none") : "they are 0.." + std::to_string(count - 1);
        return UsageError(err, what + " " + std::to_string(scope.index) + " names none of " +
                                   DisplayPath(positional[0]) + ": " + range);
    }

    const ChannelExport list =
        BuildChannelExport(database, scope, lang == QLatin1String("de") ? GermanTexts() : ExportTexts());
    const std::string bytes = format == QLatin1String("csv")
                                  ? ChannelCsv(list)
                                  : ChannelHtml(list, QFileInfo(positional[0]).fileName().toStdString());
    if (!parser.isSet(ExportOutputOption()) || IsStandardStream(parser.value(ExportOutputOption())))
        return WriteOutput(bytes.substr(bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0), out, err); // the BOM is for files
    const QString target = parser.value(ExportOutputOption());
    if (target.isEmpty())
        return UsageError(err, "OUT is empty");
    std::error_code cause;
    if (!ReplaceFileAtomically(ToNativePath(target), std::vector<uint8_t>(bytes.begin(), bytes.end()), &cause)) {
        if (cause)
            Fail(err,
                 DisplayPath(target, true) + ": " + StatusMessage(NDF_CREATE_FAILED) + " (" + cause.message() + ")");
        else
            FailWrite(err, target, NDF_CREATE_FAILED, bytes.size());
        return NDF_CREATE_FAILED;
    }
    return 0;
}
