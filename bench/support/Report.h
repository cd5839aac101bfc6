#pragma once
// What every benchmark prints: one row per measurement with its value, the
// floor it cannot beat or the goal it is held to, the ratio between them and
// whether the goal is met.
//
//   bench::PrintHeader();
//   bench::Row{"history read unpaced, median", 0.44, "s"}.Goal(0.2).Print();
//   bench::Row{"history read paced, median", 12.7, "s"}.Floor(11.89, 1.02).Print();

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline double Max(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// Every run's value, for the note beside a row: "runs 1.2 1.4 1.3 ms".
inline std::string Spread(const std::vector<double>& values, const char* unit = "ms",
                          int decimals = 1) {
    QStringList texts;
    for (double v : values)
        texts << QString::number(v, 'f', decimals);
    return QStringLiteral("runs %1 %2")
        .arg(texts.join(' '), QString::fromLatin1(unit))
        .toStdString();
}

// The number of runs a benchmark was given as its first argument, or `fallback`.
inline int RunsArgument(int argc, char* argv[], int fallback) {
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

inline int CountOver(const std::vector<double>& values, double limit) {
    return static_cast<int>(
        std::count_if(values.begin(), values.end(), [limit](double v) { return v > limit; }));
}

class Row {
public:
    Row(std::string what, double value, std::string unit)
        : m_what(std::move(what)), m_value(value), m_unit(std::move(unit)) {}

    // Held to `goal`, in the row's unit: below it, or at most it when `inclusive`.
    Row& Goal(double goal, bool inclusive = false) {
        m_reference = goal;
        m_referenceName = "goal";
        m_ratioGoal = 1;
        m_inclusive = inclusive;
        return *this;
    }
    // Measured against what it cannot beat (or a reference run), and held
    // to at most `ratioGoal` times it.
    Row& Floor(double floor, double ratioGoal, std::string name = "floor") {
        m_reference = floor;
        m_referenceName = std::move(name);
        m_ratioGoal = ratioGoal;
        m_inclusive = true;
        return *this;
    }
    // Any detail printed after the verdict, such as the runs' spread.
    Row& Note(std::string note) {
        m_note = std::move(note);
        return *this;
    }

    bool Met() const {
        const double ratio = Ratio();
        return m_inclusive ? ratio <= m_ratioGoal : ratio < m_ratioGoal;
    }

    // Prints the row; returns whether its goal is met.
    bool Print() const {
        const std::string reference = m_referenceName + " " + Number(m_reference) + " " + m_unit;
        std::string goal;
        if (m_referenceName == "goal")
            goal = std::string(m_inclusive ? "<= " : "< ") + Number(m_reference) + " " + m_unit;
        else
            goal = "<= " + Number(m_ratioGoal) + " x " + m_referenceName;
        std::printf("%-46s %10s %-2s  %-24s  ratio %7.3f  goal %-26s %s", m_what.c_str(),
                    Number(m_value).c_str(), m_unit.c_str(), reference.c_str(), Ratio(),
                    goal.c_str(), Met() ? "met" : "MISSED");
        if (!m_note.empty())
            std::printf("  (%s)", m_note.c_str());
        std::printf("\n");
        std::fflush(stdout);
        return Met();
    }

private:
    double Ratio() const { return m_reference > 0 ? m_value / m_reference : 0; }
    static std::string Number(double v) {
        return QString::number(v, 'f', v < 10 ? 3 : (v < 1000 ? 2 : 1)).toStdString();
    }

    std::string m_what;
    double m_value;
    std::string m_unit;
    double m_reference = 0;
    std::string m_referenceName = "goal";
    double m_ratioGoal = 1;
    bool m_inclusive = false;
    std::string m_note;
};

inline void PrintHeader() {
    std::printf("%-46s %13s  %-24s  %-13s  %-31s %s\n", "measurement", "value", "floor or goal",
                "ratio", "goal", "verdict");
}

} // namespace bench
