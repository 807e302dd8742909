#pragma once
// Every subcommand of tessaly-tool is one row of the table in main.cpp: main
// parses the words after the command's name with the options and positional
// arguments `declare` gave (options in any order), answers --help, refuses a
// bad argument with exit status 2, and only then calls `run`, whose result is
// the process's exit status.

#include <QCommandLineParser>
#include <QString>

#include <string>

struct Subcommand {
    const char* name;                              // "search"
    const char* summary;                           // one line for `tessaly-tool --help`
    void (*declare)(QCommandLineParser& parser);   // its options and positional arguments
    int (*run)(const QCommandLineParser& parser);  // called after a successful parse; exit status
    // How many positional arguments the command takes, checked before `run`;
    // -1 when `run` checks them itself.
    int positionals = -1;
};

// For `run`: refuses a bad value the way main refuses a bad argument (the
// message and the command's usage on standard error) and gives exit status 2.
int RefuseArgument(const QCommandLineParser& parser, const QString& message);

// Positional argument `index` as a file name for the C and C++ libraries.
std::string PathArgument(const QCommandLineParser& parser, int index);

void DeclareBuildPhraseFile(QCommandLineParser& parser); // build-english and build-french take nothing
int RunBuildEnglish(const QCommandLineParser& parser);
int RunBuildFrench(const QCommandLineParser& parser);
void DeclareClip(QCommandLineParser& parser);
int RunClip(const QCommandLineParser& parser);
void DeclareDecode(QCommandLineParser& parser);
int RunDecode(const QCommandLineParser& parser);
void DeclareMakePhrasebook(QCommandLineParser& parser);
int RunMakePhrasebook(const QCommandLineParser& parser);
void DeclareSearch(QCommandLineParser& parser);
int RunSearch(const QCommandLineParser& parser);
void DeclareSheet(QCommandLineParser& parser);
int RunSheet(const QCommandLineParser& parser);
