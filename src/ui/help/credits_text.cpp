#include "ui/help/credits_text.h"

#include "ui/help/crlf_lines.h"

#include <array>
#include <string_view>

namespace obrix::ui::credits {

namespace {

constexpr const char* kMakerWebsite = "https://www.velmoor.example/";
constexpr const char* kPaperLandingPage =
    "https://psycnet.apa.org/doiLanding?doi=10.1037%2F1040-3590.14.4.485";

// One entry per line of the licence. Lines are broken so that the text fits its box without
// wrapping, and the whole licence fits its box's height; sections are separated by one empty
// line, and a section heading with subsections is followed directly by the first of them.
constexpr std::array<std::string_view, 24> kLicenceLines{{
    "I. Summary",
    "This programme is free of charge and is supplied as it is, in its present form, without any "
    "promise of support or of",
    "later versions. You may pass it on to other people, provided that it stays whole and complete "
    "and that all of its",
    "credits, including this licence text, remain with it.",
    "",
    "II. Limitations",
    "II. a. Good Faith",
    "This programme was written in good faith. Upon request, insight into its code may be given to "
    "a "
    "trusted",
    "organisation, under these limits: one copy only, kept for a limited time, and that copy is "
    "removed again as soon as",
    "that period is over.",
    "",
    "II. b. Warranty",
    "We warrant that the programme contains no code that is meant to cause harm to your computer "
    "or to your data,",
    "and that no spyware, adware or any other kind of malware is in it or attached to it.",
    "",
    "II.c. Liability",
    "No liability is accepted for damage or loss of any kind, direct or indirect, that is caused "
    "by using this programme,",
    "by being unable to use it, or by relying on the results it shows. You use it entirely at your "
    "own risk.",
    "",
    "II.d. Use of application in whole",
    "The programme may only be used as a whole application. Using any part of it on its own, or "
    "taking parts of it into",
    "other software, is not permitted without our prior written consent.",
    "",
    "Copyright (c) 2023 Velmoor Software. All rights reserved.",
}};

} // namespace

QString programmeCitation() {
    return QStringLiteral("Velmoor, V. (2023). Velmoor Software Obrix\r\n"
                          "(Version 2). ") +
           QString::fromLatin1(kMakerWebsite) + QStringLiteral("\r\n");
}

QString paperCitation() {
    return QStringLiteral(
        "Zendaro (2002). The Obsessive-Compulsive Inventory: Development and validation of a short "
        "version. Psychological assessment, 14(4), 485-496. "
        "https://doi.org/10.1037/1040-3590.14.4.485\r\n");
}

QString licenceText() {
    return help::joinCrLfLines(kLicenceLines);
}

QUrl makerWebsite() {
    return QUrl::fromEncoded(QByteArray(kMakerWebsite), QUrl::StrictMode);
}

QUrl paperLandingPage() {
    // Parsed from its encoded form, strictly, so that QUrl keeps "%2F" instead of normalising it.
    return QUrl::fromEncoded(QByteArray(kPaperLandingPage), QUrl::StrictMode);
}

} // namespace obrix::ui::credits
