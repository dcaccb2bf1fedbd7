#pragma once

#include <QString>

// Captions carry their Alt key as "&": "&Convert" reads "Convert" and
// answers Alt+C. Anything that compares a caption compares what it reads.

// The caption as the operator reads it ("&&" reads "&").
QString VisibleCaption(const QString& caption);

// The Convert button's caption with its key: "Convert" and "Cancel" are one
// button, so both answer Alt+C.
QString ConvertButtonCaption(const QString& visible);
