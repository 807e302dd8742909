#pragma once
// Every subcommand of tessaly-tool: it gets the words after its name and
// returns the process's exit status.

class QCommandLineParser;

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int RunBuildEnglish(const Arguments& args);
int RunBuildFrench(const Arguments& args);
int RunClip(const Arguments& args);
int RunDecode(const Arguments& args);
int RunMakePhrasebook(const Arguments& args);

// Commands declared for a QCommandLineParser: their options and positional
// arguments, and the run once they are parsed.
void DeclareSheet(QCommandLineParser& parser);
int RunSheet(const QCommandLineParser& parser);
void DeclareSearch(QCommandLineParser& parser);
int RunSearch(const QCommandLineParser& parser);
// Parses `args` for a command declared that way and runs it.
int RunDeclared(const char* name, void (*declare)(QCommandLineParser&), int (*run)(const QCommandLineParser&),
                const Arguments& args);
