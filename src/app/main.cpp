#include "app/config/config_store.h"
int main(){}
