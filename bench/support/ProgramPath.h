#pragma once
// Which program a benchmark runs: the path given as its argument `index`,
// else the one the environment variable `env` names, else the one built
// beside the benchmark.

#include <QString>
#include <QStringList>

namespace bench {

inline QString ProgramPath(const QStringList& args, int index, const char* env, const char* built) {
    if (args.size() > index)
        return args.at(index);
    const QString named = qEnvironmentVariable(env);
    return named.isEmpty() ? QString::fromLocal8Bit(built) : named;
}

} // namespace bench
