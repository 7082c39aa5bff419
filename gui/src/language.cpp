#include "vexmora/gui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "composed_texts.h"
#include "vexmora/data/program_folder.h"

namespace vex::gui {

namespace {

constexpr char kJapanese[] = "ja";
constexpr char kEnglish[] = "en";

// The translators installed now; replaced as a whole on every change.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& applied() {
    static QString code = QString::fromLatin1(kJapanese);
    return code;
}

// The game's catalogues of a language: the windows' texts and the texts made below them.
constexpr const char* kOurCatalogues[] = {"vexmora", "vexmora_data"};

fs::path& chosenTranslationsFolder() {
    static fs::path folder;
    return folder;
}

}  // namespace

QString languageCode(LanguageChoice choice, const QLocale& desktop) {
    switch (choice) {
    case LanguageChoice::Japanese: return QString::fromLatin1(kJapanese);
    case LanguageChoice::English: return QString::fromLatin1(kEnglish);
    case LanguageChoice::Automatic: break;
    }
    return QString::fromLatin1(desktop.language() == QLocale::Japanese ? kJapanese : kEnglish);
}

void setTranslationsFolder(const fs::path& folder) { chosenTranslationsFolder() = folder; }

fs::path translationsFolder() {
    if (!chosenTranslationsFolder().empty()) return chosenTranslationsFolder();
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return contentFolderOf(executable) / "translations";
}

QStringList applyLanguage(LanguageChoice choice, const fs::path& ourCatalogues) {
    const QString code = languageCode(choice);
    for (const auto& translator : installed()) QCoreApplication::removeTranslator(translator.get());
    installed().clear();

    QStringList missing;
    const auto install = [&missing](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder)) {
            missing << folder + QLatin1Char('/') + name + QStringLiteral(".qm");
            return;
        }
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    };
    // Qt's own texts are English; the game's are Japanese.
    if (code != QLatin1String(kEnglish))
        install(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (code != QLatin1String(kJapanese))
        for (const char* catalogue : kOurCatalogues)
            install(QString::fromLatin1(catalogue) + QLatin1Char('_') + code, QString::fromStdString(ourCatalogues.string()));
    applied() = code;
    return missing;
}

QString currentLanguage() { return applied(); }

namespace {

// A pattern as an expression: "%1" … "%9" become lazy groups, the rest must match as it is.
struct PatternExpression {
    QRegularExpression expression;
    std::vector<QChar> digits;  // the placeholder of each group, in the order they appear
    qsizetype literal = 0;      // how many of the pattern's characters are its own
};

PatternExpression expressionOf(const QString& source) {
    PatternExpression out;
    QString expression;
    for (qsizetype at = 0; at < source.size(); ++at) {
        if (source[at] == QLatin1Char('%') && at + 1 < source.size() && source[at + 1].isDigit()) {
            expression += QStringLiteral("(.*?)");
            out.digits.push_back(source[++at]);
        } else {
            expression += QRegularExpression::escape(source.mid(at, 1));
            ++out.literal;
        }
    }
    out.expression = QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                        QRegularExpression::DotMatchesEverythingOption);
    return out;
}

// The expressions are made once for each pattern (the windows' thread only).
const PatternExpression& cachedExpression(const char* pattern) {
    static std::map<const char*, PatternExpression> made;
    auto found = made.find(pattern);
    if (found == made.end()) found = made.emplace(pattern, expressionOf(QString::fromUtf8(pattern))).first;
    return found->second;
}

// The translation of a text composed from one of the context's patterns; empty when none fits.
// Of the patterns that fit, the one with the most characters of its own wins ("ターン %1 の
// ハッシュが読めません" is the hash's message, not "ターン %1" with the rest for its part).
// A pattern whose English reads as its source (an English text of the network's) still has its
// parts shown in English.
QString composedText(const char* context, const QString& text) {
    const char* best = nullptr;
    PatternExpression bestExpression;
    QRegularExpressionMatch bestMatch;
    for (const ComposedPatterns& entry : composedPatterns()) {
        if (std::strcmp(entry.context, context) != 0) continue;
        for (const char* pattern : entry.patterns) {
            const PatternExpression& expression = cachedExpression(pattern);
            if (best && expression.literal <= bestExpression.literal) continue;
            QRegularExpressionMatch match = expression.expression.match(text);
            if (!match.hasMatch()) continue;
            best = pattern;
            bestExpression = expression;
            bestMatch = std::move(match);
        }
    }
    if (!best) return {};
    const QString translated = QCoreApplication::translate(context, best);
    std::map<QChar, QString> parts;
    for (int part = 1; part <= bestMatch.lastCapturedIndex(); ++part) {
        const std::string inner = bestMatch.captured(part).toStdString();
        // A part may itself be a known or composed text (a reason inside a message).
        QString shown = displayText(context, inner);
        for (const char* names : {kTechniqueNameContext, kElementContext, kStageContext})
            if (shown == bestMatch.captured(part)) shown = QCoreApplication::translate(names, inner.c_str());
        parts[bestExpression.digits[static_cast<size_t>(part - 1)]] = shown;
    }
    // Filled in one pass: a part that holds "%2" stays as it is.
    QString result;
    for (qsizetype at = 0; at < translated.size(); ++at) {
        if (translated[at] == QLatin1Char('%') && at + 1 < translated.size()) {
            const auto found = parts.find(translated[at + 1]);
            if (found != parts.end()) {
                result += found->second;
                ++at;
                continue;
            }
        }
        result += translated[at];
    }
    return result;
}

}  // namespace

QString displayText(const char* context, std::string_view japanese) {
    const std::string source(japanese);
    const QString exact = QCoreApplication::translate(context, source.c_str());
    const QString original = QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size()));
    if (exact != original || applied() == QLatin1String(kJapanese)) return exact;
    const QString composed = composedText(context, original);
    if (!composed.isEmpty()) return composed;
    // A text of several lines (a heading and the reasons under it, a report) is shown line by line.
    const QString lineBreak = original.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    if (!original.contains(lineBreak)) return original;
    QStringList lines = original.split(lineBreak);
    for (QString& line : lines) line = displayText(context, line.toStdString());
    return lines.join(lineBreak);
}

std::string_view helpPageName() {
    return applied() == QLatin1String(kEnglish) ? std::string_view("manual.html") : std::string_view("説明書.html");
}

}  // namespace vex::gui
