#include "app/Application.h"
#include "app/MessageFilter.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    installMessageFilter();
    return app.run();
}
