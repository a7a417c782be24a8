// The picture store: its images carry their pictures from the design; readers copy them.
#include <gtest/gtest.h>

#include "media/form_image.h"
#include "platform/forms.h"
#include "support/test_support.h"

#include <QRegularExpression>

using media::Form_image;
using platform::form;

namespace {

class PictureStore : public ::testing::Test {
protected:
    testing_support::ScreenTest screens;
};

TEST_F(PictureStore, EveryImageHoldsItsPictureAtItsSize)
{
    const auto images = form<Form_image>().images();
    ASSERT_EQ(images.size(), 53u);
    for (platform::Image* image : images) {
        const QString n = image->name();
        const QSize size = image->picture().size();
        if (n == "Image_rien") {
            EXPECT_TRUE(image->picture().isNull());
        } else if (n.startsWith("Metronome_")) {
            EXPECT_EQ(size, QSize(50, 75)) << n.toStdString();
        } else if (n.startsWith("enveloppe")) {
            EXPECT_EQ(size, QSize(53, 33)) << n.toStdString();
        } else if (n == "Image_pianon" || n.contains(QRegularExpression("^Image_(dod|red|fad|sold|lad)(_us|_es)?$"))) {
            EXPECT_EQ(size, QSize(17, 145)) << n.toStdString();
        } else {
            EXPECT_EQ(size, QSize(32, 232)) << n.toStdString();
        }
    }
}

TEST_F(PictureStore, CopiesShareThePictureAndRienClears)
{
    auto& store = form<Form_image>();
    platform::Image a(&store, "a"), b(&store, "b");
    a.setPicture(store.Image_orange.picture());
    b.setPicture(store.Image_orange.picture());
    EXPECT_EQ(a.picture().cacheKey(), store.Image_orange.picture().cacheKey());
    EXPECT_EQ(b.picture().cacheKey(), store.Image_orange.picture().cacheKey());
    a.setPicture(store.Image_rien.picture());
    EXPECT_TRUE(a.picture().isNull());
    EXPECT_FALSE(store.Image_orange.picture().isNull());
}

TEST_F(PictureStore, AReadAfterTheStoreWasUnloadedLoadsItAgain)
{
    const qint64 key = form<Form_image>().Image_vert.picture().cacheKey();
    platform::unload<Form_image>();
    testing_support::processEvents();
    EXPECT_EQ(form<Form_image>().Image_vert.picture().cacheKey(), key);
}

} // namespace
