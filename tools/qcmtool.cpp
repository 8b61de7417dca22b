// qcmtool: the colour computations of QCM on the command line, and its
// measuring files shown and exported for scripts and statistics.
//
// Numbers are parsed strictly: a decimal number with an optional sign,
// fraction and exponent, nothing before or after it. "nan", "inf" and numbers
// beyond the float range are refused, since none of them is a reading.
// Arguments are taken as UTF-8 bytes (the formula names contain U+0394 and
// U+2161) and no locale is ever set, so output always uses a decimal point.

#include "colorConversions.h"
#include "colorDifference.h"
#include "colorVocabulary.h"
#include "judgement.h"
#include "qcmtoolFiles.h"
#include "qcmtoolHistory.h"
#include "shownNumber.h"
#include "whiteness.h"

#include <QByteArray>
#include <QString>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "Usage: qcmtool COMMAND ARGUMENTS\n"
    "\n"
    "  convert SPACE L a b\n"
    "      the three coordinates of an L*a*b* reading in the colour space SPACE\n"
    "      (CIE1976L*a*b*, CIELCH, CIEXYZ, CIELUV, HunterLAB, sRGB, or an alias);\n"
    "      an unknown space prints nothing and exits with 1\n"
    "  swatch L a b\n"
    "      the display colour of a reading, as #rrggbb\n"
    "  delta FORMULA SPACE T1 T2 T3 S1 S2 S3\n"
    "      the colour difference of the Sample S against the Type T, both given\n"
    "      in SPACE, by FORMULA (\xCE\x94"
    "E00, \xCE\x94"
    "ECMC, \xCE\x94"
    "ELab, ...)\n"
    "  delta FORMULA SPACE -\n"
    "      the same for every line of standard input, each holding the six\n"
    "      numbers T1 T2 T3 S1 S2 S3; one result per line\n"
    "  judge SPACE DELATE NDL PDL NDA PDA NDB PDB dE d1 d2 d3\n"
    "      the deviation words and the verdicts of a Sample: seven lines\n"
    "      (three words, then the verdicts of dE, d1, d2, d3)\n"
    "  whiteness L a b\n"
    "      yellowness YI, Hunter whiteness, Ganz whiteness and blue whiteness\n"
    "  show FILE.qcm\n"
    "      the measurement as text: name, tolerance, every Type and its Samples\n"
    "      with coordinates, colour difference, deviation words and verdict\n"
    "  export FILE.qcm --csv OUT [--fields LIST] [--raw]\n"
    "      every Type and Sample as CSV, as the window's CSV export writes the\n"
    "      marked ones; LIST: field numbers 0-14 separated by commas, or all.\n"
    "      A name or field that begins with =, +, -, @, a tab or a carriage\n"
    "      return gets an apostrophe in front, so that a spreadsheet does not\n"
    "      run it as a formula; --raw writes every text exactly as it is\n"
    "  export FILE.qcm --json OUT\n"
    "      the whole measurement as JSON; OUT may be - for standard output\n"
    "  export FILE.qcm --cgats OUT\n"
    "      every Type and Sample as a CGATS.17 text file (L*a*b* and XYZ);\n"
    "      items whose coordinates cannot be given as L*a*b* are left out\n"
    "      and named on standard error (exit code 3)\n"
    "  library FILE.scl [--csv OUT [--raw] | --json OUT]\n"
    "      the reference colours of a library file as text, CSV or JSON; the\n"
    "      CSV guards texts like the export's, --raw keeps them exact\n"
    "  library --from-cgats IN.txt OUT.scl\n"
    "      the colours of a CGATS file as a new library file\n"
    "  history [--db FILE|postgresql://[user@]host[:port]/database] [--type NAME]\n"
    "          [--since DATE] [--until DATE] [--station S] [--operator O]\n"
    "          [--verdict pass|fail] [--file PATH] [--limit N] [--csv [--raw] | --json]\n"
    "      the measurement history, newest first: the Types and Samples whose\n"
    "      Type name holds NAME (any case), measured from --since up to --until\n"
    "      (a date such as 2026-03-01 is a whole day in UTC, --until included;\n"
    "      or an ISO 8601 time), at a station, by an operator, with a verdict,\n"
    "      into a measuring file.  Without --db, the history QCM is set to use.\n"
    "      Text by default, CSV (guarded like the export's) or JSON with every\n"
    "      field, times in ISO 8601 UTC.  --limit 0 writes every match (default\n"
    "      1000).  The password of a server comes from ~/.pgpass or PGPASSWORD.\n"
    "\n"
    "A damaged file is shown or exported as far as it could be read; what was\n"
    "lost is said on standard error and the exit code is 3.  So are records\n"
    "left without their Type and Samples beyond the limit of the program; the\n"
    "JSON then says \"intact\": false with \"recordsWithoutType\" and\n"
    "\"sampleCopiesBeyondLimit\".\n"
    "\n"
    "Numbers are plain decimals such as 50, -79.7751 or 1.5e1.\n";

void fail(const std::string &message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "qcmtool: %s\n", message.c_str());
}

// Strict parsing of one number into a float.
bool parseNumber(const char *begin, const char *end, float *out)
{
    const char *p = begin;
    if (p != end && *p == '+')
        ++p;
    if (p == end || !(std::isdigit(static_cast<unsigned char>(*p)) || *p == '-' || *p == '.'))
        return false;
    if (*p == '-' && begin != p) // "+-1"
        return false;
    double v = 0;
    const std::from_chars_result r = std::from_chars(p, end, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v) ||
        std::fabs(v) > std::numeric_limits<float>::max())
        return false;
    *out = static_cast<float>(v);
    return true;
}

bool parseArgument(const char *command, const char *text, float *out)
{
    if (parseNumber(text, text + std::strlen(text), out))
        return true;
    fail(std::string(command) + ": '" + text + "' is not a number");
    return false;
}

bool parseArguments(const char *command, char **args, int count, float *out)
{
    for (int i = 0; i < count; ++i)
        if (!parseArgument(command, args[i], &out[i]))
            return false;
    return true;
}

bool expectArguments(const char *command, int got, int wanted, const char *shape)
{
    if (got == wanted)
        return true;
    fail(std::string(command) + ": expected " + std::to_string(wanted) + " argument" +
         (wanted == 1 ? "" : "s") + " (" + shape + "), got " + std::to_string(got));
    return false;
}

QString fromArg(const char *arg)
{
    return QString::fromUtf8(arg);
}

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

int convertCommand(int argc, char **argv)
{
    if (!expectArguments("convert", argc, 4, "SPACE L a b"))
        return 1;
    float v[3];
    if (!parseArguments("convert", argv + 1, 3, v))
        return 1;
    const QList<float> out = colorSpaceValues(v[0], v[1], v[2], fromArg(argv[0]));
    if (out.isEmpty())
        return 1;
    std::printf("%.9g %.9g %.9g\n", static_cast<double>(out.at(0)), static_cast<double>(out.at(1)),
                static_cast<double>(out.at(2)));
    return 0;
}

int swatchCommand(int argc, char **argv)
{
    if (!expectArguments("swatch", argc, 3, "L a b"))
        return 1;
    float v[3];
    if (!parseArguments("swatch", argv, 3, v))
        return 1;
    printLine(labToColorName(v[0], v[1], v[2]));
    return 0;
}

// Reads "T1 T2 T3 S1 S2 S3" lines from standard input, one result per line.
int deltaStream(ColorSpace space, ColorFormula formula)
{
    std::ios::sync_with_stdio(false);
    std::string line;
    long long number = 0;
    char buffer[64];
    while (std::getline(std::cin, line)) {
        ++number;
        float v[6];
        int count = 0;
        const char *p = line.data();
        const char *end = p + line.size();
        while (p != end) {
            while (p != end && std::isspace(static_cast<unsigned char>(*p)))
                ++p;
            if (p == end)
                break;
            const char *start = p;
            while (p != end && !std::isspace(static_cast<unsigned char>(*p)))
                ++p;
            if (count == 6) {
                ++count;
                break;
            }
            if (!parseNumber(start, p, &v[count])) {
                fail("delta: line " + std::to_string(number) + ": '" + std::string(start, p) +
                     "' is not a number");
                return 1;
            }
            ++count;
        }
        if (count != 6) {
            fail("delta: line " + std::to_string(number) + ": expected six numbers (T1 T2 T3 " +
                 "S1 S2 S3), found " + (count > 6 ? std::string("more") : std::to_string(count)));
            return 1;
        }
        const float d = colorDifference({v[0], v[1], v[2]}, {v[3], v[4], v[5]}, space, formula);
        const int n = std::snprintf(buffer, sizeof buffer, "%.9g\n", static_cast<double>(d));
        std::fwrite(buffer, 1, static_cast<size_t>(n), stdout);
    }
    if (std::ferror(stdout) || std::fflush(stdout) != 0) {
        fail("delta: cannot write the results");
        return 1;
    }
    return 0;
}

int deltaCommand(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[2], "-") == 0)
        return deltaStream(colorSpaceIndex(fromArg(argv[1])), formulaIndex(fromArg(argv[0])));
    if (!expectArguments("delta", argc, 8, "FORMULA SPACE T1 T2 T3 S1 S2 S3, or FORMULA SPACE -"))
        return 1;
    float v[6];
    if (!parseArguments("delta", argv + 2, 6, v))
        return 1;
    const float d =
        colorDifference({v[0], v[1], v[2]}, {v[3], v[4], v[5]}, fromArg(argv[1]), fromArg(argv[0]));
    std::printf("%.9g\n", static_cast<double>(d));
    return 0;
}

int judgeCommand(int argc, char **argv)
{
    if (!expectArguments("judge", argc, 12, "SPACE DELATE NDL PDL NDA PDA NDB PDB dE d1 d2 d3"))
        return 1;
    float limits[7];
    float values[4];
    if (!parseArguments("judge", argv + 1, 7, limits) ||
        !parseArguments("judge", argv + 8, 4, values))
        return 1;
    QStringList texts;
    for (int i = 1; i <= 7; ++i)
        texts << fromArg(argv[i]);
    const Tolerance tolerance = normalizedTolerance(Tolerance::fromList(texts));
    const QStringList out =
        judgementTexts(values[0], values[1], values[2], values[3], fromArg(argv[0]), tolerance);
    for (const QString &line : out)
        printLine(line);
    return 0;
}

int whitenessCommand(int argc, char **argv)
{
    if (!expectArguments("whiteness", argc, 3, "L a b"))
        return 1;
    float v[3];
    if (!parseArguments("whiteness", argv, 3, v))
        return 1;
    const WhitenessIndices w = whitenessFromLab(v[0], v[1], v[2]);
    // "--" where the reading gives no index (black), as the window shows it.
    for (float index : {w.yellowness, w.hunter, w.ganz, w.blue})
        printLine(shownNumber(static_cast<double>(index)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    const char *command = argv[1];
    if (std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0 ||
        std::strcmp(command, "help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const int n = argc - 2;
    char **args = argv + 2;
    int rc;
    if (std::strcmp(command, "convert") == 0)
        rc = convertCommand(n, args);
    else if (std::strcmp(command, "swatch") == 0)
        rc = swatchCommand(n, args);
    else if (std::strcmp(command, "delta") == 0)
        rc = deltaCommand(n, args);
    else if (std::strcmp(command, "judge") == 0)
        rc = judgeCommand(n, args);
    else if (std::strcmp(command, "whiteness") == 0)
        rc = whitenessCommand(n, args);
    else if (std::strcmp(command, "show") == 0)
        rc = showCommand(n, args);
    else if (std::strcmp(command, "export") == 0)
        rc = exportCommand(n, args);
    else if (std::strcmp(command, "library") == 0)
        rc = libraryCommand(n, args);
    else if (std::strcmp(command, "history") == 0)
        rc = historyCommand(n, args);
    else {
        fail(std::string("unknown command '") + command + "'; try qcmtool --help");
        return 1;
    }
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && rc == 0) {
        fail("cannot write the result");
        return 1;
    }
    return rc;
}
