#pragma once
#include "comum/Tela.h"
