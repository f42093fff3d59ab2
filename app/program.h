// The program's routines for program-wide state; RunProgram is declared by the toolkit.
#pragma once

void InitProgramState();
void ReleaseProgramState();
