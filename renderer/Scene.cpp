#include "renderer/Scene.h"

#include <algorithm>

#include "common/trace/StartupTrace.h"
#include "renderer/Gl.h"
#include "renderer/SceneGeometry.h"
#include "renderer/SceneTime.h"

namespace wavorin::renderer {
namespace {

void CompileStrips(GLuint list, const Strips& strips, bool coloured)
{
    // Compiling also executes: the objects land once in the back buffer, which the first
    // frame clears before anything is shown.
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    for (const Strip& strip : strips) {
        glBegin(GL_QUAD_STRIP);
        for (const StripVertex& v : strip) {
            glTexCoord2f(v.s, v.t);
            if (coloured) glColor4f(v.grey, v.grey, v.grey, 1.0f);
            glVertex3f(v.x, v.y, v.z);
        }
        glEnd();
    }
    glEndList();
}

}  // namespace

bool InitScene(Scene& scene, int clientWidth, int clientHeight, const SnapshotPaths& paths)
{
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    // Alpha weighs both sides: the ring is 0.8 x ring + 0.8 x behind, and the opaque arc
    // adds itself to what lies behind, so its black tail vanishes.
    glBlendFunc(GL_SRC_ALPHA, GL_SRC_ALPHA);

    FrameScene(clientWidth, clientHeight);
    glLoadIdentity();  // from here on the modelview matrix holds object transforms only

    scene.ringTexture.LoadBmp(paths.ring);
    trace::MarkStartupStep("renderer", "ring texture");
    scene.arcTexture.LoadBmp(paths.arc);
    trace::MarkStartupStep("renderer", "desktop texture");
    glEnable(GL_TEXTURE_2D);
    scene.ringTexture.Bind();

    BuildDisplayLists();
    trace::MarkStartupStep("renderer", "display lists");
    glEnable(GL_DEPTH_TEST);
    return true;
}

void FrameScene(int clientWidth, int clientHeight)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A window with no height still gets a finite projection.
    gluPerspective(45.0, static_cast<double>(clientWidth) / std::max(clientHeight, 1), 1.0, 10.0);
    gluLookAt(0.0, 2.0, 4.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
}

void BuildDisplayLists()
{
    // Levels 0 and 1 belong to satellite rings that no frame draws; they are built all the same.
    CompileStrips(kRingListLevel0, RingStrips(0), false);
    CompileStrips(kRingListLevel1, RingStrips(1), false);
    CompileStrips(kMainRingList, RingStrips(2), false);
    CompileStrips(kArcList, ArcStrips(), true);
}

void DrawFrame(const Scene& scene, double sceneTime)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(TumbleDegrees(sceneTime), 1.0f, 0.5f, 0.0f);

    glPushMatrix();
    scene.ringTexture.Bind();
    glColor4fv(kRingColours[3]);
    glCallList(kMainRingList);
    glPopMatrix();

    // The arc, radius 5 in the y-z plane about (0, 0, -5): its circle runs through the
    // ring's centre along the ring's axis, and its white end leads.
    scene.arcTexture.Bind();
    glTranslatef(0.0f, 0.0f, -5.0f);
    glRotatef(ArcTurnDegrees(sceneTime), 1.0f, 0.0f, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    glScalef(5.0f, 5.0f, 5.0f);
    glCallList(kArcList);
}

}  // namespace wavorin::renderer
