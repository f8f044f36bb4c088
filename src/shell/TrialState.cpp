#include "shell/TrialState.h"

TrialState trialState;
