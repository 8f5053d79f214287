#include "app/TexmendoApplication.h"
#include "app/UnitPrincipal.h"

int main(int argc, char *argv[])
{
    TexmendoApplication app(argc, argv);
    TFrmPrincipal FrmPrincipal;
    FrmPrincipal.show();
    return app.exec();
}
