#include "phraselistowner.h"

PhraseListOwner* mainWindow = nullptr;
