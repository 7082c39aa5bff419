#include "vexmora/gui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstring>
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

// The translation of a text composed from one of the context's patterns; empty when none fits.
QString composedText(const char* context, const QString& text) {
    for (const ComposedPatterns& entry : composedPatterns()) {
        if (std::strcmp(entry.context, context) != 0) continue;
        for (const char* pattern : entry.patterns) {
            const QString translated = QCoreApplication::translate(context, pattern);
            if (translated == QString::fromUtf8(pattern)) continue;  // no English for it
            // "%1" … "%9" become lazy groups; the rest of the pattern must match as it is.
            QString expression;
            std::vector<QChar> digits;  // the placeholder of each group, in the order they appear
            const QString source = QString::fromUtf8(pattern);
            for (qsizetype at = 0; at < source.size(); ++at) {
                if (source[at] == QLatin1Char('%') && at + 1 < source.size() && source[at + 1].isDigit()) {
                    expression += QStringLiteral("(.*?)");
                    digits.push_back(source[++at]);
                } else {
                    expression += QRegularExpression::escape(source.mid(at, 1));
                }
            }
            const QRegularExpressionMatch match =
                QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                   QRegularExpression::DotMatchesEverythingOption).match(text);
            if (!match.hasMatch()) continue;
            QString result = translated;
            for (int part = match.lastCapturedIndex(); part >= 1; --part) {
                const std::string inner = match.captured(part).toStdString();
                QString shown = QCoreApplication::translate(context, inner.c_str());
                for (const char* names : {kTechniqueNameContext, kElementContext, kStageContext})
                    if (shown == match.captured(part)) shown = QCoreApplication::translate(names, inner.c_str());
                result.replace(QLatin1Char('%') + digits[static_cast<size_t>(part - 1)], shown);
            }
            return result;
        }
    }
    return {};
}

}  // namespace

QString displayText(const char* context, std::string_view japanese) {
    const std::string source(japanese);
    const QString exact = QCoreApplication::translate(context, source.c_str());
    const QString original = QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size()));
    if (exact != original || applied() == QLatin1String(kJapanese)) return exact;
    const QString composed = composedText(context, original);
    return composed.isEmpty() ? original : composed;
}

std::string_view helpPageName() {
    return applied() == QLatin1String(kEnglish) ? std::string_view("manual.html") : std::string_view("説明書.html");
}

}  // namespace vex::gui
