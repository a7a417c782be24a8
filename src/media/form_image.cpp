#include "media/form_image.h"

#include "platform/resources.h"

namespace media {

Form_image::Form_image() : Form(QStringLiteral("Form_image"))
{
    setBorderStyle(0);
    setClientSize(12000, 9000);
    for (platform::Image* image : images())
        image->setPicture(platform::designPicture(formName(), image->name()));
}

std::vector<platform::Image*> Form_image::images()
{
    return {
#define TV_LIST_STORE_IMAGE(name) &name,
        TV_PICTURE_STORE_IMAGES(TV_LIST_STORE_IMAGE)
#undef TV_LIST_STORE_IMAGE
    };
}

} // namespace media
