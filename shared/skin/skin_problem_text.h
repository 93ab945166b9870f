// What a render's problems are called, in Japanese and in English: the editor's preview says
// them on its status line, Ferncastle's pane under its picture.
#pragma once
#include "skin_render.h"

#include <string>

std::wstring SkinProblemText(const SkinProblem& problem, bool japanese);
// A limit of the render or its reading was reached, or Windows had no memory or resources to
// give: not a fault of one file the definition names.
bool IsSkinLimitProblem(SkinProblemKind kind);
