#include "ui/program.h"

namespace hush {
namespace {

Program* theProgram = nullptr;

}  // namespace

Program& TheProgram() { return *theProgram; }

void SetTheProgram(Program* program) { theProgram = program; }

}  // namespace hush
