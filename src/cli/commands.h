#pragma once

#include "verb.h"

namespace tikaroo::cli {

// The verbs of the table in main.cpp, each in a file of its own; `Declare...` adds a verb's own
// arguments and options to its parser.
void DeclareInfo(QCommandLineParser& parser);
int RunInfo(const VerbCall& call);
void DeclareConvert(QCommandLineParser& parser);
int RunConvert(const VerbCall& call);
void DeclareMakeSample(QCommandLineParser& parser);
int RunMakeSample(const VerbCall& call);
void DeclareSave(QCommandLineParser& parser);
int RunSave(const VerbCall& call);
void DeclareDump(QCommandLineParser& parser);
int RunDump(const VerbCall& call);
void DeclareRender(QCommandLineParser& parser);
int RunRender(const VerbCall& call);
void DeclareExportTiles(QCommandLineParser& parser);
int RunExportTiles(const VerbCall& call);
void DeclareImportTiles(QCommandLineParser& parser);
int RunImportTiles(const VerbCall& call);
void DeclarePatch(QCommandLineParser& parser);
int RunPatch(const VerbCall& call);
void DeclareApplyPatch(QCommandLineParser& parser);
int RunApplyPatch(const VerbCall& call);
void DeclareApplyJson(QCommandLineParser& parser);
int RunApplyJson(const VerbCall& call);

} // namespace tikaroo::cli
