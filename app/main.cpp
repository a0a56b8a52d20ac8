// The game's entry point.
int KarvelinMain();

int main()
{
    return KarvelinMain();
}
