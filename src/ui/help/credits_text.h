#pragma once

#include <QString>
#include <QUrl>

// Fixed content of the credits window. Every text ends with CR LF, the program's line break.
namespace obrix::ui::credits {

// How to cite the program: author, year, maker and title, then version and the maker's site.
QString programmeCitation();

// The source paper of the questionnaire and its DOI link.
QString paperCitation();

// The terms of use: summary, limitations (good faith, warranty, liability, use as a whole) and
// the copyright line. Lines are at most 129 characters; sections are one empty line apart.
QString licenceText();

// The maker's home page.
QUrl makerWebsite();

// The paper's landing page at its publisher. The DOI sits in the query with its slash
// percent-encoded ("%2F"); the address keeps that encoding all the way to the browser.
QUrl paperLandingPage();

} // namespace obrix::ui::credits
