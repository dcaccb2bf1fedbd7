#pragma once

#include <QString>
#include <QStringView>

// The lines of InfoLog.txt and ErrorLog.txt, defined once for the job that
// writes them and for everything that reads them back. Other programs read
// these logs, so their words never change.

// Between the two names of an info line: two blanks, "->", two blanks.
inline constexpr QStringView kLogNameSeparator = u"  ->  ";
inline constexpr QStringView kCopyLinePrefix = u"Copy : ";
// An error line is a sentence, then this, then the path it is about, and
// for some a reason after kErrorReasonMark.
inline constexpr QStringView kErrorPathMark = u". - ";
inline constexpr QStringView kErrorReasonMark = u" : ";

// InfoLog.txt.
QString CopyLine(const QString& source, const QString& destination);
QString DeletedInvalidCharLine(const QString& before, const QString& after);
QString ShortenedLongNameLine(const QString& before, const QString& after);

// ErrorLog.txt.
QString SourceMissingLine(const QString& source); // "could not be located"
QString AccessDeniedLine(const QString& path);    // "could not be accessed"
QString CopyFailedLine(const QString& destination, const QString& reason);
QString UndecodedNameLine(const QString& source);

// A "Copy : " line split into its source and copy. False when `line` is no
// such line, or names them ambiguously (the separator occurs twice).
[[nodiscard]] bool SplitCopyLine(const QString& line, QString& source, QString& copy);
// The path an error line is about, with whatever reason follows it; empty
// when `line` is no error line.
QString PathOfErrorLine(const QString& line);
