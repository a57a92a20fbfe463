#include "app/catalogue.h"
