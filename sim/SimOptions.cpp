#include "SimOptions.h"

#include <QCommandLineParser>

namespace gsm::sim {

namespace {

bool ToCount(const QString& text, int low, qint64 high, qint64* value) {
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= low && *value <= high;
}

} // namespace

QString HelpText() {
    return QStringLiteral(
        "Usage: gsmgate-sim [options]\n"
        "Simulates the GSM gate opener device on a pseudo-terminal (or on stdin/stdout).\n"
        "\n"
        "Options:\n"
        "  --pty               Open a pseudo-terminal, print its path as the first line\n"
        "                      on stdout and announce it to the PC program. Without\n"
        "                      --pty, requests are read from stdin and replies written to\n"
        "                      stdout until stdin ends.\n"
        "  --scenario NAME|FILE\n"
        "                      Device state at start: \"factory\" (default), \"busy\", or a\n"
        "                      scenario JSON file.\n"
        "  --dump FILE         Write the device state as scenario JSON when ending.\n"
        "  --log FILE          Write every frame in and out as one JSON line.\n"
        "  --timing FILE       Write one JSON line per answered request: bytes in and\n"
        "                      out, when each crossed the line, and the PC's turnaround\n"
        "                      (previous reply's last byte to this request's first).\n"
        "  --fault FAULT       Spoil the reply to request N (valid requests counted from\n"
        "                      1). Repeatable; several FAULTs may be joined by commas:\n"
        "                        no-reply@N       no reply\n"
        "                        corrupt@N        checksum byte inverted\n"
        "                        refuse@N         status 0, nothing stored; a read gets a\n"
        "                                         reply without payload\n"
        "                        cut@N:K          only the first K bytes sent\n"
        "                        delay@N:MS       the reply starts MS ms later\n"
        "                        garbage@N        00 FF 41 sent before the reply\n"
        "                        wrong-address@N  reply carries the next page's address\n"
        "  --delay-ms D        Send every reply D ms after its request ends.\n"
        "  --baud-pace BAUD    Pace the line at BAUD (10 bits per byte) both ways: a\n"
        "                      request counts from when its last byte has arrived, each\n"
        "                      reply byte leaves once its ten bits have been sent.\n"
        "  -h, --help          Show this help.\n"
        "\n"
        "SIGTERM or SIGINT ends the simulator cleanly. Exit codes: 0 clean end,\n"
        "1 failure while running (pty, log, timing or dump file), 2 bad options or\n"
        "scenario.\n");
}

ParsedOptions ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "help");
    const QCommandLineOption pty("pty", "pty");
    const QCommandLineOption scenario("scenario", "scenario", "NAME|FILE");
    const QCommandLineOption dump("dump", "dump", "FILE");
    const QCommandLineOption log("log", "log", "FILE");
    const QCommandLineOption timingFile("timing", "timing", "FILE");
    const QCommandLineOption fault("fault", "fault", "FAULT");
    const QCommandLineOption delay("delay-ms", "delay", "D");
    const QCommandLineOption pace("baud-pace", "pace", "BAUD");
    parser.addOptions({help, pty, scenario, dump, log, timingFile, fault, delay, pace});

    ParsedOptions result;
    const auto fail = [&result](const QString& message) {
        result.outcome = ParsedOptions::Outcome::Error;
        result.error = message;
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail("unexpected argument: " + parser.positionalArguments().first());
    if (parser.isSet(help)) {
        result.outcome = ParsedOptions::Outcome::Help;
        return result;
    }
    SimOptions& o = result.options;
    o.pty = parser.isSet(pty);
    if (parser.isSet(scenario))
        o.scenario = parser.value(scenario);
    o.dumpPath = parser.value(dump);
    o.logPath = parser.value(log);
    o.timingPath = parser.value(timingFile);
    for (const QString& faultText : parser.values(fault)) {
        std::string error;
        if (!o.faults.Add(faultText.toStdString(), &error))
            return fail(QString::fromStdString(error));
    }
    qint64 value = 0;
    if (parser.isSet(delay)) {
        if (!ToCount(parser.value(delay), 0, 3'600'000, &value))
            return fail("--delay-ms needs a number of milliseconds from 0 to 3600000");
        o.timing.delayMs = static_cast<int>(value);
    }
    if (parser.isSet(pace)) {
        if (!ToCount(parser.value(pace), 1, 10'000'000, &value))
            return fail("--baud-pace needs a baud rate from 1 to 10000000");
        o.timing.baud = static_cast<quint32>(value);
    }
    return result;
}

} // namespace gsm::sim
