// Program start-up and shut-down.
int KarvelinMain()
{
    return 0;
}
